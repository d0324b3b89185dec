#include "report/ConfigureDialog.h"
#include "ReportTestData.h"
#include "support/ModalHelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {
QLineEdit* box(QWidget* dialog, int id) {
    return dialog->findChild<QLineEdit*>(QString::number(id));
}

QPushButton* button(QWidget* dialog, int id) {
    return dialog->findChild<QPushButton*>(QString::number(id));
}

// Replaces the text of a box as a child would: select all, then type.
void typeInto(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

const std::string folderText = "/home/child/.local/share/Quillbyte/Tallyburrow";
} // namespace

class ConfigureDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void showsTheLayoutAndValues();
    void tabVisitsBoxesInLayoutOrder();
    void okStoresWhatIsTypedInEachBox();
    void cancelAndEscapeChangeNothing();
};

// The program's default font: the platform's sans face at 10 points.
void ConfigureDialogTest::initTestCase() {
    QFont font = QApplication::font();
    font.setPointSize(10);
    QApplication::setFont(font);
}

void ConfigureDialogTest::showsTheLayoutAndValues() {
    StudentRecord student = newChild();
    student.mulDivHigh = 10;
    ConfigureDialog dialog(student, folderText, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QString("Configure Program"));
    QCOMPARE(dialog.size(), QSize(400, 300));

    const struct {
        int id;
        QRect rect;
        QString text;
    } boxes[] = {{311, {200, 30, 40, 20}, " 12"},
                 {312, {190, 50, 30, 20}, "1"},
                 {313, {250, 50, 30, 20}, " 12"},
                 {314, {200, 110, 40, 20}, " 12"},
                 {315, {190, 130, 30, 20}, "1"},
                 {316, {250, 130, 30, 20}, " 10"},
                 {325, {90, 200, 300, 25}, QString::fromStdString(folderText)}};
    for (const auto& expected : boxes) {
        QLineEdit* edit = box(&dialog, expected.id);
        QVERIFY2(edit != nullptr, qPrintable(QString::number(expected.id)));
        QCOMPARE(edit->geometry(), expected.rect);
        QCOMPARE(edit->text(), expected.text);
        QCOMPARE(edit->isReadOnly(), expected.id == 325);
    }
    QCOMPARE(button(&dialog, 1)->geometry(), QRect(260, 260, 60, 30));
    QCOMPARE(button(&dialog, 2)->geometry(), QRect(330, 260, 60, 30));
    QCOMPARE(dialog.findChild<QLabel*>("label Mult and Div")->geometry(), QRect(10, 90, 200, 20));
    QCOMPARE(dialog.findChild<QLabel*>("label Data Folder:")->geometry(), QRect(10, 200, 80, 30));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((dialog.geometry().center() - screenCentre).manhattanLength() <= 2);
    saveShot(&dialog, "configure-program");
}

void ConfigureDialogTest::tabVisitsBoxesInLayoutOrder() {
    StudentRecord student = newChild();
    ConfigureDialog dialog(student, folderText, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QStringList order = {"311", "312", "313", "314", "315", "316", "325", "1", "2", "311"};
    box(&dialog, 311)->setFocus();
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
}

// Each box reaches its own value; a value that cannot be stored is refused with a message
// and the dialog stays open with that box selected (the rules are the logic test's).
void ConfigureDialogTest::okStoresWhatIsTypedInEachBox() {
    StudentRecord student = newChild();
    student.changeState = ChangeState::ScoresChanged;
    whenModalOpens([](QWidget* dialog) {
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        const char* typed[] = {"30", "0", "6", "21", "5", "600"};
        for (int i = 0; i < 6; ++i) {
            typeInto(box(dialog, 311 + i), typed[i]);
        }
        whenModalOpens(
            [](QWidget* message) {
                QVERIFY(message->findChild<QLabel*>("qt_msgbox_label")->text().contains("500"));
                QTest::keyClick(message, Qt::Key_Return);
            },
            dialog);
        QTest::mouseClick(button(dialog, 1), Qt::LeftButton);
        QTRY_COMPARE(QApplication::activeModalWidget(), dialog);
        QCOMPARE(dialog->focusWidget(), box(dialog, 316));
        QCOMPARE(box(dialog, 316)->selectedText(), QString("600"));
        QTest::keyClicks(box(dialog, 316), "15");
        QTest::keyClick(button(dialog, 1), Qt::Key_Space);
    });
    showConfigureDialog(nullptr, student, folderText);
    QCOMPARE(configValues(student), (ConfigValues{30, 0, 6, 21, 5, 15, 15}));
    QCOMPARE(student.changeState, ChangeState::ScoresChanged);
    QVERIFY(storedValuesChanged(student));
}

void ConfigureDialogTest::cancelAndEscapeChangeNothing() {
    StudentRecord student = newChild();
    student.addSubLow = 4;
    const ConfigValues before = configValues(student);
    whenModalOpens([](QWidget* dialog) {
        typeInto(box(dialog, 316), "99");
        QTest::mouseClick(button(dialog, 2), Qt::LeftButton);
    });
    showConfigureDialog(nullptr, student, folderText);
    whenModalOpens([](QWidget* dialog) {
        typeInto(box(dialog, 313), "3");
        QTest::keyClick(box(dialog, 313), Qt::Key_Escape);
    });
    showConfigureDialog(nullptr, student, folderText);
    QCOMPARE(configValues(student), before);
}

QTEST_MAIN(ConfigureDialogTest)
#include "ConfigureDialogTest.moc"
