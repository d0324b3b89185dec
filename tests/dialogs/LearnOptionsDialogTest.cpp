#include "dialogs/LearnOptionsDialog.h"
#include "DialogTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace {
StudentRecord newChild() {
    StudentRecord student;
    student.addSubLow = student.mulDivLow = 1;
    student.addSubHigh = student.mulDivHigh = 12;
    return student;
}
} // namespace

// The Learn options dialog driven by keys and clicks.
class LearnOptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void newChildSeesAddAndNoNumber() {
        answerModal([](QWidget* window) {
            saveShot(window, "learn_options");
            QString cutOff;
            QVERIFY2(allTextsFit(window, cutOff), qPrintable(cutOff));
            QCOMPARE(window->windowTitle(), QString("Learn Math Tables"));
            QCOMPARE(window->size(), QSize(300, 240));
            QVERIFY(hasOptionDialogFrame(window));
            checkControls(window,
                          {{"learnNumberLabel", "Learn for this number:", {20, 10, 130, 20}},
                           {"mathFunctionLabel", "Choose a math function:", {20, 50, 200, 20}},
                           {"341", "Add", {50, 75, 80, 15}},
                           {"342", "Sub", {50, 95, 80, 15}},
                           {"343", "Mult", {50, 115, 80, 15}},
                           {"344", "Div", {50, 135, 80, 15}},
                           {"111", "Show all answers", {20, 160, 190, 20}},
                           {"1", "&Ok", {160, 200, 60, 30}},
                           {"2", "&Cancel", {230, 200, 60, 30}}});
            auto* numbers = control<QComboBox>(window, 317);
            QCOMPARE(numbers->geometry().topLeft(), QPoint(150, 10));
            QCOMPARE(numbers->currentIndex(), -1);
            QCOMPARE(QApplication::focusWidget(), numbers);
            for (int id = 341; id <= 344; ++id) {
                QCOMPARE(control<QRadioButton>(window, id)->isChecked(), id == 341);
            }
            QVERIFY(!control<QCheckBox>(window, 111)->isChecked());
            QVERIFY(control<QPushButton>(window, 1)->isDefault());
            pressKey(window, Qt::Key_Escape);
        });
        QVERIFY(!askLearnOptions(nullptr, newChild(), false).has_value());
    }

    void choicesComeBackOnOk() {
        answerModal([](QWidget* window) {
            pressKey(window, Qt::Key_Down, 7);
            click(control<QRadioButton>(window, 343));
            control<QComboBox>(window, 317)->setFocus();
            pressKey(window, Qt::Key_Return);
        });
        auto choice = askLearnOptions(nullptr, newChild(), false);
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->operation, choice->number, choice->showAllAnswers),
                 std::tuple(3, 7, false));

        StudentRecord student = newChild();
        student.mulDivHigh = 9;
        student.lastLearnOp = 3;
        student.lastLearnNumber = 7;
        answerModal([](QWidget* window) {
            QCOMPARE(control<QComboBox>(window, 317)->currentText(), QString(" 7"));
            QVERIFY(control<QRadioButton>(window, 343)->isChecked());
            QVERIFY(control<QCheckBox>(window, 111)->isChecked());
            click(control<QRadioButton>(window, 344));
            click(control<QCheckBox>(window, 111));
            click(control<QPushButton>(window, 1));
        });
        choice = askLearnOptions(nullptr, student, true);
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->operation, choice->number, choice->showAllAnswers),
                 std::tuple(4, 7, false));

        answerModal([](QWidget* window) { pressKey(window, Qt::Key_Enter); });
        choice = askLearnOptions(nullptr, newChild(), true); // Ok without a number gives 0
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->operation, choice->number, choice->showAllAnswers),
                 std::tuple(1, 0, true));
    }

    void cancelGivesNothing() {
        answerModal([](QWidget* window) {
            pressKey(window, Qt::Key_Down, 3);
            click(control<QPushButton>(window, 2));
        });
        QVERIFY(!askLearnOptions(nullptr, newChild(), false).has_value());
    }
};

static const bool registered = registerWidgetTest<LearnOptionsDialogTest>();

#include "LearnOptionsDialogTest.moc"
