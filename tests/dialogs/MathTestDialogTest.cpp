#include "dialogs/MathTestDialog.h"
#include "DialogTestSupport.h"

#include <QComboBox>
#include <QRadioButton>

namespace {
const std::vector<std::string> testMinutes{"1", "2",  "3",  "4",  "5",  "6",  "7", "8",
                                           "9", "10", "12", "15", "20", "25", "30"};

StudentRecord withRates(int addSubPerMin, int mulDivPerMin) {
    StudentRecord student;
    student.addSubPerMin = addSubPerMin;
    student.mulDivPerMin = mulDivPerMin;
    return student;
}

QString countText(QWidget* window) {
    return control<QLabel>(window, 323)->text();
}

// Selects the entry of the minutes list with the keyboard.
void chooseMinutes(QWidget* window, const QString& minutes) {
    auto* combo = control<QComboBox>(window, 321);
    combo->setFocus();
    const int target = combo->findText(minutes);
    while (combo->currentIndex() != target) {
        pressKey(window, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
}
} // namespace

// The Math Test dialog: minutes, kind and the number of problems.
class MathTestDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTenMinutesOfAdd() {
        answerModal([](QWidget* window) {
            saveShot(window, "math_test");
            QString cutOff;
            QVERIFY2(allTextsFit(window, cutOff), qPrintable(cutOff));
            QCOMPARE(window->windowTitle(), QString("Math Test"));
            QCOMPARE(window->size(), QSize(300, 300));
            QVERIFY(hasOptionDialogFrame(window));
            checkControls(window, {{"minutesLabel", "Amount of time (mins):", {25, 10, 140, 15}},
                                   {"323", "Number of problems = 120", {25, 70, 160, 15}},
                                   {"chooseTestLabel", "Choose one to test:", {25, 110, 120, 15}},
                                   {"344", "Div", {50, 200, 80, 15}},
                                   {"345", "Mix All", {150, 140, 120, 15}},
                                   {"347", "Mix Mul+Div", {150, 180, 120, 15}},
                                   {"1", "&Ok", {150, 250, 60, 30}},
                                   {"2", "&Cancel", {220, 250, 60, 30}}});
            auto* minutes = control<QComboBox>(window, 321);
            QCOMPARE(minutes->geometry().topLeft(), QPoint(160, 9));
            QCOMPARE(minutes->currentText(), QString("10"));
            QVERIFY(control<QRadioButton>(window, 341)->isChecked());
            QVERIFY(control<QPushButton>(window, 1)->isDefault());
            pressKey(window, Qt::Key_Return);
        });
        const auto choice = askMathTest(nullptr, testMinutes, withRates(12, 12));
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->kind, choice->minutes, choice->problemCount),
                 std::tuple(1, 10, 120));
    }

    // The count rule is ProblemCount's table; here the label follows a change of the minutes
    // (by keys) and of the kind.
    void countFollowsMinutesAndKind() {
        answerModal([](QWidget* window) {
            click(control<QRadioButton>(window, 343));
            QCOMPARE(countText(window), QString("Number of problems = 80"));
            chooseMinutes(window, "30");
            QCOMPARE(countText(window), QString("Number of problems = 240"));
            pressKey(window, Qt::Key_Return);
        });
        const auto choice = askMathTest(nullptr, testMinutes, withRates(12, 8));
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->kind, choice->minutes, choice->problemCount),
                 std::tuple(3, 30, 240));
    }

    void cancelGivesNothing() {
        answerModal([](QWidget* window) { click(control<QPushButton>(window, 2)); });
        QVERIFY(!askMathTest(nullptr, testMinutes, withRates(12, 12)).has_value());
    }
};

static const bool registered = registerWidgetTest<MathTestDialogTest>();

#include "MathTestDialogTest.moc"
