#include "printtests/SaveScoreDialog.h"
#include "support/ModalHelpers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {
QLineEdit* box(QWidget* dialog, int id) {
    return dialog->findChild<QLineEdit*>(QString::number(id));
}

QComboBox* kindBox(QWidget* dialog) {
    return dialog->findChild<QComboBox*>("233");
}

QPushButton* button(QWidget* dialog, int id) {
    return dialog->findChild<QPushButton*>(QString::number(id));
}

// The numbered control that holds the focus (the combo box's own edit field counts as it).
QString focusedId() {
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        bool isNumber = false;
        widget->objectName().toInt(&isNumber);
        if (isNumber) {
            return widget->objectName();
        }
    }
    return {};
}

void typeInto(QWidget* widget, const QString& text) {
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget, text);
}

const std::string today = "03-15-2006";

// A record of a test done today.
ScoreRecord record(int kind, int problems, int correct) {
    ScoreRecord r;
    r.date = 13423;
    r.kind = static_cast<std::uint8_t>(kind);
    r.problems = static_cast<std::int16_t>(problems);
    r.correct = static_cast<std::int16_t>(correct);
    return r;
}
} // namespace

class SaveScoreDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void showsTheLayout();
    void tabOrderFollowsTheLayout();
    void printedScoreUnderMulDivIsStored();
    void kindBoxTextIsStored();
    void cancelAndEscapeRecordNothing();
    void fullHistoryTakesNothing();
};

// The program's default font: the platform's sans face at 10 points.
void SaveScoreDialogTest::initTestCase() {
    QFont font = QApplication::font();
    font.setPointSize(10);
    QApplication::setFont(font);
}

void SaveScoreDialogTest::showsTheLayout() {
    StudentRecord student;
    SaveScoreDialog dialog(student, today, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QString("Save Test Score"));
    QCOMPARE(dialog.size(), QSize(300, 220));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));

    QCOMPARE(box(&dialog, 235)->geometry(), QRect(20, 20, 75, 20));
    QCOMPARE(box(&dialog, 235)->text(), QString("03-15-2006"));
    QCOMPARE(box(&dialog, 331)->geometry(), QRect(20, 100, 50, 20));
    QCOMPARE(box(&dialog, 331)->text(), QString());
    QCOMPARE(box(&dialog, 324)->geometry(), QRect(165, 100, 50, 20));
    QCOMPARE(box(&dialog, 324)->text(), QString("70"));

    QComboBox* kinds = kindBox(&dialog);
    QCOMPARE(kinds->geometry().topLeft(), QPoint(20, 60));
    QCOMPARE(kinds->width(), 75);
    QVERIFY(kinds->geometry().bottom() < 100);
    QVERIFY(kinds->isEditable());
    QCOMPARE(kinds->currentIndex(), -1);
    QCOMPARE(kinds->currentText(), QString());
    QStringList items;
    for (int i = 0; i < kinds->count(); ++i) {
        items << kinds->itemText(i);
    }
    QCOMPARE(items, QStringList({"Add", "Sub", "Mul", "Div", "Mixed", "Add/Sub", "Mul/Div"}));

    QCOMPARE(dialog.findChild<QLabel*>("label Test date")->geometry(), QRect(105, 20, 120, 15));
    QCOMPARE(dialog.findChild<QLabel*>("label Problem types")->geometry(), QRect(105, 60, 120, 15));
    QCOMPARE(dialog.findChild<QLabel*>("label Correct out of:")->geometry(),
             QRect(75, 100, 90, 15));
    QCOMPARE(button(&dialog, 1)->text(), QString("&Ok"));
    QCOMPARE(button(&dialog, 1)->geometry(), QRect(120, 150, 60, 30));
    QCOMPARE(button(&dialog, 2)->text(), QString("&Cancel"));
    QCOMPARE(button(&dialog, 2)->geometry(), QRect(185, 150, 60, 30));
    const QLabel* correctLabel = dialog.findChild<QLabel*>("label Correct out of:");
    QVERIFY(QFontMetrics(correctLabel->font()).horizontalAdvance(correctLabel->text()) <= 90);
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((dialog.geometry().center() - screenCentre).manhattanLength() <= 2);
    saveShot(&dialog, "save-test-score");
}

void SaveScoreDialogTest::tabOrderFollowsTheLayout() {
    StudentRecord student;
    SaveScoreDialog dialog(student, today, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(focusedId(), QString("235"));
    const QStringList order = {"233", "331", "324", "1", "2", "235"};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusedId(), next);
    }
}

void SaveScoreDialogTest::printedScoreUnderMulDivIsStored() {
    StudentRecord student;
    whenModalOpens([](QWidget* dialog) {
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        }
        QCOMPARE(kindBox(dialog)->currentText(), QString("Mul/Div"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "63");
        saveShot(dialog, "save-test-score-filled");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    showSaveScoreDialog(nullptr, student, today);
    QCOMPARE(student.history, std::vector<ScoreRecord>{record(7, 70, 63)});
    QCOMPARE(student.changeState, ChangeState::ScoresChanged);
}

// What the kind box holds is read as its text, typed or not (matching is the logic test's).
void SaveScoreDialogTest::kindBoxTextIsStored() {
    StudentRecord student;
    whenModalOpens([](QWidget* dialog) {
        typeInto(kindBox(dialog), "div");
        typeInto(box(dialog, 331), "18");
        typeInto(box(dialog, 324), "20");
        QTest::mouseClick(button(dialog, 1), Qt::LeftButton);
    });
    showSaveScoreDialog(nullptr, student, today);
    whenModalOpens([](QWidget* dialog) {
        typeInto(kindBox(dialog), "fractions");
        QTest::keyClick(kindBox(dialog), Qt::Key_Return);
    });
    showSaveScoreDialog(nullptr, student, today);
    whenModalOpens([](QWidget* dialog) {
        typeInto(box(dialog, 331), "5");
        QTest::mouseClick(button(dialog, 1), Qt::LeftButton);
    });
    showSaveScoreDialog(nullptr, student, today);
    QCOMPARE(student.history,
             (std::vector<ScoreRecord>{record(4, 20, 18), record(0, 70, 0), record(0, 70, 5)}));
}

void SaveScoreDialogTest::cancelAndEscapeRecordNothing() {
    StudentRecord student;
    whenModalOpens([](QWidget* dialog) {
        typeInto(box(dialog, 331), "50");
        QTest::mouseClick(button(dialog, 2), Qt::LeftButton);
    });
    showSaveScoreDialog(nullptr, student, today);
    whenModalOpens([](QWidget* dialog) {
        typeInto(box(dialog, 331), "50");
        QTest::keyClick(box(dialog, 331), Qt::Key_Escape);
    });
    showSaveScoreDialog(nullptr, student, today);
    QVERIFY(student.history.empty());
    QCOMPARE(student.changeState, ChangeState::Unchanged);
}

void SaveScoreDialogTest::fullHistoryTakesNothing() {
    StudentRecord student;
    student.history.resize(maxScoreRecords);
    bool closed = false;
    whenModalOpens([&](QWidget* dialog) {
        typeInto(box(dialog, 331), "50");
        QTest::mouseClick(button(dialog, 1), Qt::LeftButton);
        closed = !dialog->isVisible();
    });
    showSaveScoreDialog(nullptr, student, today);
    QVERIFY(closed);
    QCOMPARE(student.history.size(), maxScoreRecords);
    QCOMPARE(student.changeState, ChangeState::Unchanged);
}

QTEST_MAIN(SaveScoreDialogTest)
#include "SaveScoreDialogTest.moc"
