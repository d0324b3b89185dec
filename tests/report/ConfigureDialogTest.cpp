#include "report/ConfigureDialog.h"
#include "ReportTestData.h"
#include "support/ModalHelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {
template <typename T = QLineEdit> T* control(QWidget* dialog, int id) {
    return dialog->findChild<T*>(QString::number(id));
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
    void showsTheLayoutInTabOrder();
    void okStoresWhatCanBeStoredAndSaysWhatCannot();
    void cancelAndEscapeChangeNothing();
};

// The program's default font: the platform's sans face at 10 points.
void ConfigureDialogTest::initTestCase() {
    QFont font = QApplication::font();
    font.setPointSize(10);
    QApplication::setFont(font);
}

// The controls in Tab order, with their places and texts.
void ConfigureDialogTest::showsTheLayoutInTabOrder() {
    StudentRecord student = newChild();
    student.mulDivHigh = 10;
    ConfigureDialog dialog(student, folderText, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), QString("Configure Program"));
    QCOMPARE(dialog.size(), QSize(400, 300));
    const struct {
        int id;
        QRect rect;
        QString text;
    } controls[] = {{311, {200, 30, 40, 20}, " 12"},
                    {312, {190, 50, 30, 20}, "1"},
                    {313, {250, 50, 30, 20}, " 12"},
                    {314, {200, 110, 40, 20}, " 12"},
                    {315, {190, 130, 30, 20}, "1"},
                    {316, {250, 130, 30, 20}, " 10"},
                    {325, {90, 200, 300, 25}, QString::fromStdString(folderText)},
                    {1, {260, 260, 60, 30}, "&Ok"},
                    {2, {330, 260, 60, 30}, "&Cancel"}};
    control(&dialog, 311)->setFocus();
    for (const auto& c : controls) {
        QWidget* widget = control<QWidget>(&dialog, c.id);
        QTRY_COMPARE(dialog.focusWidget(), widget);
        QCOMPARE(widget->geometry(), c.rect);
        QCOMPARE(widget->property("text").toString(), c.text);
        QTest::keyClick(widget, Qt::Key_Tab);
    }
    QVERIFY(control(&dialog, 325)->isReadOnly());
    QCOMPARE(dialog.findChild<QLabel*>("label Mult and Div")->geometry(), QRect(10, 90, 200, 20));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((dialog.geometry().center() - screenCentre).manhattanLength() <= 2);
    saveShot(&dialog, "configure-program");
}

// Each box reaches its own value; a value that cannot be stored is refused with a message
// and the dialog stays open with that box selected (the rules are the logic test's).
void ConfigureDialogTest::okStoresWhatCanBeStoredAndSaysWhatCannot() {
    StudentRecord student = newChild();
    student.changeState = ChangeState::ScoresChanged;
    whenModalOpens([](QWidget* dialog) {
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        const char* typed[] = {"30", "0", "6", "21", "5", "600"};
        for (int i = 0; i < 6; ++i) {
            typeInto(control(dialog, 311 + i), typed[i]);
        }
        whenModalOpens(
            [](QWidget* message) {
                QVERIFY(message->findChild<QLabel*>("qt_msgbox_label")->text().contains("500"));
                QTest::keyClick(message, Qt::Key_Return);
            },
            dialog);
        QTest::mouseClick(control<QPushButton>(dialog, 1), Qt::LeftButton);
        QTRY_COMPARE(QApplication::activeModalWidget(), dialog);
        QCOMPARE(dialog->focusWidget(), control(dialog, 316));
        QCOMPARE(control(dialog, 316)->selectedText(), QString("600"));
        QTest::keyClicks(control(dialog, 316), "15");
        QTest::keyClick(control<QPushButton>(dialog, 1), Qt::Key_Space);
    });
    showConfigureDialog(nullptr, student, folderText);
    QCOMPARE(configValues(student), (ConfigValues{30, 0, 6, 21, 5, 15, 15}));
    QCOMPARE(student.changeState, ChangeState::ScoresChanged);
}

void ConfigureDialogTest::cancelAndEscapeChangeNothing() {
    StudentRecord student = newChild();
    student.addSubLow = 4;
    const ConfigValues before = configValues(student);
    for (bool escape : {false, true}) {
        whenModalOpens([escape](QWidget* dialog) {
            typeInto(control(dialog, 313), "3");
            escape ? QTest::keyClick(control(dialog, 313), Qt::Key_Escape)
                   : QTest::mouseClick(control<QPushButton>(dialog, 2), Qt::LeftButton);
        });
        showConfigureDialog(nullptr, student, folderText);
    }
    QCOMPARE(configValues(student), before);
}

QTEST_MAIN(ConfigureDialogTest)
#include "ConfigureDialogTest.moc"
