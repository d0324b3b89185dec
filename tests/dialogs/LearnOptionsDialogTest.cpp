#include "LearnOptionsDialogTest.h"

#include "DialogTestSupport.h"
#include "dialogs/LearnOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
StudentRecord newChild() {
    StudentRecord student;
    student.addSubLow = 1;
    student.addSubHigh = 12;
    student.mulDivLow = 1;
    student.mulDivHigh = 12;
    return student;
}
} // namespace

void LearnOptionsDialogTest::newChildSeesAddAndNoNumber() {
    answerModal([](QWidget* window) {
        saveShot(window, "learn_options");
        QString cutOff;
        QVERIFY2(allTextsFit(window, cutOff), qPrintable(cutOff));
        QCOMPARE(window->windowTitle(), QString("Learn Math Tables"));
        QCOMPARE(window->size(), QSize(300, 240));
        QVERIFY(hasOptionDialogFrame(window));
        auto* numbers = control<QComboBox>(window, 317);
        QVERIFY(numbers != nullptr);
        QCOMPARE(numbers->count(), 12);
        QCOMPARE(numbers->itemText(0), QString(" 1"));
        QCOMPARE(numbers->itemText(11), QString(" 12"));
        QCOMPARE(numbers->currentIndex(), -1);
        QVERIFY(!numbers->isEditable());
        QCOMPARE(numbers->pos(), QPoint(150, 10));
        QCOMPARE(numbers->width(), 60);
        QCOMPARE(QApplication::focusWidget(), numbers);

        const QStringList names{"Add", "Sub", "Mult", "Div"};
        for (int i = 0; i < names.size(); ++i) {
            auto* option = control<QRadioButton>(window, 341 + i);
            QVERIFY(option != nullptr);
            QCOMPARE(option->text(), names[i]);
            QCOMPARE(option->geometry(), QRect(50, 75 + 20 * i, 80, 15));
            QCOMPARE(option->isChecked(), i == 0);
        }
        auto* showAll = control<QCheckBox>(window, 111);
        QCOMPARE(showAll->text(), QString("Show all answers"));
        QCOMPARE(showAll->geometry(), QRect(20, 160, 190, 20));
        QVERIFY(!showAll->isChecked());
        auto* ok = control<QPushButton>(window, 1);
        QCOMPARE(ok->text(), QString("&Ok"));
        QCOMPARE(ok->geometry(), QRect(160, 200, 60, 30));
        QVERIFY(ok->isDefault());
        auto* cancel = control<QPushButton>(window, 2);
        QCOMPARE(cancel->text(), QString("&Cancel"));
        QCOMPARE(cancel->geometry(), QRect(230, 200, 60, 30));
        auto* numberLabel = window->findChild<QLabel*>("learnNumberLabel");
        QCOMPARE(numberLabel->text(), QString("Learn for this number:"));
        QCOMPARE(numberLabel->geometry(), QRect(20, 10, 130, 20));
        auto* functionLabel = window->findChild<QLabel*>("mathFunctionLabel");
        QCOMPARE(functionLabel->text(), QString("Choose a math function:"));
        QCOMPARE(functionLabel->geometry(), QRect(20, 50, 200, 20));
        pressKey(window, Qt::Key_Escape);
    });
    QVERIFY(!askLearnOptions(nullptr, newChild(), false).has_value());
}

void LearnOptionsDialogTest::pickingSevenAndMultReturnsThem() {
    answerModal([](QWidget* window) {
        pressKey(window, Qt::Key_Down, 7);
        click(control<QRadioButton>(window, 343));
        control<QComboBox>(window, 317)->setFocus();
        pressKey(window, Qt::Key_Return);
    });
    const auto choice = askLearnOptions(nullptr, newChild(), false);
    QVERIFY(choice.has_value());
    QCOMPARE(choice->operation, 3);
    QCOMPARE(choice->number, 7);
    QCOMPARE(choice->showAllAnswers, false);
}

void LearnOptionsDialogTest::remembersTheLastChoice() {
    StudentRecord student = newChild();
    student.mulDivHigh = 9;
    student.lastLearnOp = 3;
    student.lastLearnNumber = 7;
    answerModal([](QWidget* window) {
        auto* numbers = control<QComboBox>(window, 317);
        QCOMPARE(numbers->count(), 9);
        QCOMPARE(numbers->currentText(), QString(" 7"));
        QVERIFY(control<QRadioButton>(window, 343)->isChecked());
        QVERIFY(control<QCheckBox>(window, 111)->isChecked());
        click(control<QRadioButton>(window, 344));
        click(control<QCheckBox>(window, 111));
        click(control<QPushButton>(window, 1));
    });
    const auto choice = askLearnOptions(nullptr, student, true);
    QVERIFY(choice.has_value());
    QCOMPARE(choice->operation, 4);
    QCOMPARE(choice->number, 7);
    QCOMPARE(choice->showAllAnswers, false);
}

void LearnOptionsDialogTest::okWithoutANumberGivesZero() {
    answerModal([](QWidget* window) { pressKey(window, Qt::Key_Enter); });
    const auto choice = askLearnOptions(nullptr, newChild(), true);
    QVERIFY(choice.has_value());
    QCOMPARE(choice->operation, 1);
    QCOMPARE(choice->number, 0);
    QCOMPARE(choice->showAllAnswers, true);
}

void LearnOptionsDialogTest::cancelAndEscapeGiveNothing() {
    answerModal([](QWidget* window) {
        pressKey(window, Qt::Key_Down, 3);
        click(control<QPushButton>(window, 2));
    });
    QVERIFY(!askLearnOptions(nullptr, newChild(), false).has_value());

    answerModal([](QWidget* window) { window->close(); });
    QVERIFY(!askLearnOptions(nullptr, newChild(), false).has_value());
}
