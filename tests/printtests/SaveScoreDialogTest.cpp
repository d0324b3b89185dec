#include "printtests/SaveScoreDialog.h"
#include "report/ReportTestData.h"
#include "support/ModalHelpers.h"

#include <QComboBox>
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

} // namespace

class SaveScoreDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void showsTheLayout();
    void tabOrderFollowsTheLayout();
    void kindBoxTextIsStored();
    void cancelAndEscapeRecordNothing();
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
    const struct {
        const char* name;
        QRect rect;
        QString text;
    } controls[] = {{"235", {20, 20, 75, 20}, "03-15-2006"},
                    {"331", {20, 100, 50, 20}, ""},
                    {"324", {165, 100, 50, 20}, "70"},
                    {"label Correct out of:", {75, 100, 90, 15}, "Correct out of:"},
                    {"1", {120, 150, 60, 30}, "&Ok"},
                    {"2", {185, 150, 60, 30}, "&Cancel"}};
    for (const auto& c : controls) {
        auto* widget = dialog.findChild<QWidget*>(c.name);
        QCOMPARE(widget->geometry(), c.rect);
        QCOMPARE(widget->property("text").toString(), c.text);
    }
    QComboBox* kinds = kindBox(&dialog);
    QCOMPARE(kinds->geometry().topLeft(), QPoint(20, 60));
    QCOMPARE(kinds->currentText(), QString());
    QCOMPARE(kinds->count(), 7);
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

// What the kind box holds is read as its text, typed or not; an entry that cannot be
// stored is refused with a message and the field at fault is selected (the rules are the
// logic test's).
void SaveScoreDialogTest::kindBoxTextIsStored() {
    StudentRecord student;
    whenModalOpens([](QWidget* dialog) {
        typeInto(kindBox(dialog), "div");
        typeInto(box(dialog, 331), "18");
        typeInto(box(dialog, 324), "99999");
        typeInto(box(dialog, 235), "13-45-1970");
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        saveShot(dialog, "save-test-score-filled");
        for (const auto& [field, wrong, right] :
             {std::tuple{235, "13-45-1970", "3/15/06"}, std::tuple{324, "99999", "20"}}) {
            whenModalOpens([](QWidget* message) { QTest::keyClick(message, Qt::Key_Return); },
                           dialog);
            QTest::mouseClick(button(dialog, 1), Qt::LeftButton);
            QTRY_COMPARE(QApplication::activeModalWidget(), dialog);
            QCOMPARE(dialog->focusWidget(), box(dialog, field));
            QCOMPARE(box(dialog, field)->selectedText(), QString(wrong));
            QTest::keyClicks(box(dialog, field), right);
        }
        QTest::mouseClick(button(dialog, 1), Qt::LeftButton);
    });
    showSaveScoreDialog(nullptr, student, today);
    QCOMPARE(student.history, (std::vector<ScoreRecord>{score(13423, 4, 20, 18)}));
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

QTEST_MAIN(SaveScoreDialogTest)
#include "SaveScoreDialogTest.moc"
