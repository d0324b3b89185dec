#include "MathTestDialogTest.h"

#include "DialogTestSupport.h"
#include "dialogs/MathTestDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
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
    while (combo->currentIndex() < target) {
        pressKey(window, Qt::Key_Down);
    }
    while (combo->currentIndex() > target) {
        pressKey(window, Qt::Key_Up);
    }
}
} // namespace

void MathTestDialogTest::opensWithTenMinutesOfAdd() {
    answerModal([](QWidget* window) {
        saveShot(window, "math_test");
        QString cutOff;
        QVERIFY2(allTextsFit(window, cutOff), qPrintable(cutOff));
        QCOMPARE(window->windowTitle(), QString("Math Test"));
        QCOMPARE(window->size(), QSize(300, 300));
        QVERIFY(hasOptionDialogFrame(window));
        auto* minutes = control<QComboBox>(window, 321);
        QCOMPARE(minutes->count(), 15);
        QCOMPARE(minutes->currentText(), QString("10"));
        QCOMPARE(minutes->pos(), QPoint(160, 9));
        QCOMPARE(minutes->width(), 45);
        QCOMPARE(countText(window), QString("Number of problems = 120"));
        QCOMPARE(control<QLabel>(window, 323)->geometry(), QRect(25, 70, 160, 15));
        QCOMPARE(window->findChild<QLabel*>("minutesLabel")->text(),
                 QString("Amount of time (mins):"));
        QCOMPARE(window->findChild<QLabel*>("minutesLabel")->geometry(), QRect(25, 10, 140, 15));
        QCOMPARE(window->findChild<QLabel*>("chooseTestLabel")->text(),
                 QString("Choose one to test:"));
        QCOMPARE(window->findChild<QLabel*>("chooseTestLabel")->geometry(),
                 QRect(25, 110, 120, 15));
        QVERIFY(control<QRadioButton>(window, 341)->isChecked());
        QCOMPARE(control<QRadioButton>(window, 344)->geometry(), QRect(50, 200, 80, 15));
        QCOMPARE(control<QRadioButton>(window, 345)->text(), QString("Mix All"));
        QCOMPARE(control<QRadioButton>(window, 347)->text(), QString("Mix Mul+Div"));
        QCOMPARE(control<QRadioButton>(window, 347)->geometry(), QRect(150, 180, 120, 15));
        QCOMPARE(control<QPushButton>(window, 1)->geometry(), QRect(150, 250, 60, 30));
        QVERIFY(control<QPushButton>(window, 1)->isDefault());
        QCOMPARE(control<QPushButton>(window, 2)->geometry(), QRect(220, 250, 60, 30));
        pressKey(window, Qt::Key_Return);
    });
    const auto choice = askMathTest(nullptr, testMinutes, withRates(12, 12));
    QVERIFY(choice.has_value());
    QCOMPARE(choice->kind, 1);
    QCOMPARE(choice->minutes, 10);
    QCOMPARE(choice->problemCount, 120);
}

void MathTestDialogTest::countFollowsMinutesAndKind() {
    answerModal([](QWidget* window) {
        chooseMinutes(window, "30");
        QCOMPARE(countText(window), QString("Number of problems = 360"));
        auto* count = control<QLabel>(window, 323);
        QVERIFY(count->sizeHint().width() <= count->width());
        click(control<QRadioButton>(window, 345));
        QCOMPARE(countText(window), QString("Number of problems = 360"));
        pressKey(window, Qt::Key_Return);
    });
    const auto choice = askMathTest(nullptr, testMinutes, withRates(12, 12));
    QVERIFY(choice.has_value());
    QCOMPARE(choice->kind, 5);
    QCOMPARE(choice->minutes, 30);
    QCOMPARE(choice->problemCount, 360);
}

void MathTestDialogTest::multUsesTheMultDivRate() {
    answerModal([](QWidget* window) {
        click(control<QRadioButton>(window, 343));
        QCOMPARE(countText(window), QString("Number of problems = 80"));
        chooseMinutes(window, "5");
        QCOMPARE(countText(window), QString("Number of problems = 40"));
        click(control<QRadioButton>(window, 346));
        QCOMPARE(countText(window), QString("Number of problems = 60"));
        pressKey(window, Qt::Key_Return);
    });
    const auto choice = askMathTest(nullptr, testMinutes, withRates(12, 8));
    QVERIFY(choice.has_value());
    QCOMPARE(choice->kind, 6);
    QCOMPARE(choice->minutes, 5);
    QCOMPARE(choice->problemCount, 60);
}

void MathTestDialogTest::escapeGivesNothing() {
    answerModal([](QWidget* window) {
        click(control<QRadioButton>(window, 344));
        pressKey(window, Qt::Key_Escape);
    });
    QVERIFY(!askMathTest(nullptr, testMinutes, withRates(12, 12)).has_value());
    answerModal([](QWidget* window) { click(control<QPushButton>(window, 2)); });
    QVERIFY(!askMathTest(nullptr, testMinutes, withRates(12, 12)).has_value());
}
