#include "ResultsWindowTest.h"

#include "DialogTestSupport.h"
#include "dialogs/ResultsWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace {
ResultsSummary seventeenOfTwenty() {
    ResultsSummary summary;
    summary.testProblemCount = 20;
    summary.correctCount = 17;
    summary.recordCount = 4;
    summary.wrongList = {
        {" 7  x  8  =  54", " 56"}, {" 9  x  6  =  ", " 54"}, {" 12  /  4  =  4", " 3"}};
    return summary;
}
} // namespace

void ResultsWindowTest::showsScoreAndWrongAnswers() {
    bool answered = false;
    answerModal([&answered](QWidget* window) {
        saveShot(window, "results");
        QString cutOff;
        QVERIFY2(allTextsFit(window, cutOff), qPrintable(cutOff));
        QCOMPARE(window->windowTitle(), QString("Test 4 Results"));
        QCOMPARE(window->size(), QSize(240, 340));
        QVERIFY(hasOptionDialogFrame(window));
        auto* score = window->findChild<QLabel*>("scoreLabel");
        QCOMPARE(score->text(), QString("Percent correct = 85.00\n 17 Correct out of 20"));
        QCOMPARE(score->geometry(), QRect(10, 10, 200, 50));
        auto* heading = window->findChild<QLabel*>("wrongAnswersLabel");
        QCOMPARE(heading->text(), QString("Problems with wrong answers:"));
        QCOMPARE(heading->geometry(), QRect(10, 70, 200, 20));
        auto* list = control<QListWidget>(window, 330);
        QCOMPARE(list->geometry(), QRect(20, 90, 200, 200));
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QString(" 7  x  8  =  54"));
        QCOMPARE(list->item(1)->text(), QString(" 9  x  6  =  "));
        QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(list->verticalScrollBar()->isVisible());
        QVERIFY(list->selectedItems().isEmpty());
        auto* answer = control<QLineEdit>(window, 332);
        QVERIFY(answer->isReadOnly());
        QVERIFY(answer->text().isEmpty());
        QCOMPARE(answer->geometry(), QRect(50, 305, 40, 20));
        QCOMPARE(window->findChild<QLabel*>("answerLabel")->text(), QString("Ans:"));
        QCOMPARE(window->findChild<QLabel*>("answerLabel")->geometry(), QRect(20, 305, 30, 20));
        auto* ok = control<QPushButton>(window, 1);
        QCOMPARE(ok->text(), QString("&Ok"));
        QCOMPARE(ok->geometry(), QRect(140, 300, 80, 30));
        QVERIFY(ok->isDefault());
        answered = true;
        pressKey(window, Qt::Key_Return);
    });
    showResultsWindow(nullptr, seventeenOfTwenty());
    QVERIFY(answered);
}

void ResultsWindowTest::pickingAWrongAnswerShowsItsCorrectAnswer() {
    bool answered = false;
    answerModal([&answered](QWidget* window) {
        auto* list = control<QListWidget>(window, 330);
        auto* answer = control<QLineEdit>(window, 332);
        const QRect second = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QCOMPARE(answer->text(), QString(" 54"));
        pressKey(window, Qt::Key_Down);
        QCOMPARE(answer->text(), QString(" 3"));
        saveShot(window, "results_selected");
        answered = true;
        click(control<QPushButton>(window, 1));
    });
    showResultsWindow(nullptr, seventeenOfTwenty());
    QVERIFY(answered);
}

void ResultsWindowTest::testOfNoProblemsShowsZeroPercent() {
    ResultsSummary empty;
    bool answered = false;
    answerModal([&answered](QWidget* window) {
        QCOMPARE(window->windowTitle(), QString("Test 0 Results"));
        QCOMPARE(window->findChild<QLabel*>("scoreLabel")->text(),
                 QString("Percent correct = 0.00\n 0 Correct out of 0"));
        QCOMPARE(control<QListWidget>(window, 330)->count(), 0);
        answered = true;
        pressKey(window, Qt::Key_Return);
    });
    showResultsWindow(nullptr, empty);
    QVERIFY(answered);
}

void ResultsWindowTest::escapeAndCloseBoxClose() {
    bool answered = false;
    answerModal([&answered](QWidget* window) {
        answered = true;
        pressKey(window, Qt::Key_Escape);
    });
    showResultsWindow(nullptr, seventeenOfTwenty());
    QVERIFY(answered);
    answered = false;
    answerModal([&answered](QWidget* window) {
        answered = true;
        window->close();
    });
    showResultsWindow(nullptr, seventeenOfTwenty());
    QVERIFY(answered);
}
