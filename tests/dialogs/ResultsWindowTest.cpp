#include "dialogs/ResultsWindow.h"
#include "DialogTestSupport.h"

#include <QLineEdit>
#include <QListWidget>
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

// Shows the results window with `answer` answering it; fails when it was not answered.
void answeredResults(const ResultsSummary& summary, std::function<void(QWidget*)> answer) {
    bool answered = false;
    answerModal([&answered, answer](QWidget* window) {
        answered = true;
        answer(window);
    });
    showResultsWindow(nullptr, summary);
    QVERIFY(answered);
}
} // namespace

// The results window of an on-screen test.
class ResultsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsScoreAndWrongAnswers() {
        answeredResults(seventeenOfTwenty(), [](QWidget* window) {
            saveShot(window, "results");
            QString cutOff;
            QVERIFY2(allTextsFit(window, cutOff), qPrintable(cutOff));
            QCOMPARE(window->windowTitle(), QString("Test 4 Results"));
            QCOMPARE(window->size(), QSize(240, 340));
            QVERIFY(hasOptionDialogFrame(window));
            checkControls(window,
                          {{"scoreLabel",
                            "Percent correct = 85.00\n 17 Correct out of 20",
                            {10, 10, 200, 50}},
                           {"wrongAnswersLabel", "Problems with wrong answers:", {10, 70, 200, 20}},
                           {"330", nullptr, {20, 90, 200, 200}},
                           {"answerLabel", "Ans:", {20, 305, 30, 20}},
                           {"332", "", {50, 305, 40, 20}},
                           {"1", "&Ok", {140, 300, 80, 30}}});
            auto* list = control<QListWidget>(window, 330);
            QCOMPARE(list->count(), 3);
            QCOMPARE(list->item(1)->text(), QString(" 9  x  6  =  "));
            QVERIFY(list->verticalScrollBar()->isVisible());
            QVERIFY(list->selectedItems().isEmpty());
            QVERIFY(control<QLineEdit>(window, 332)->isReadOnly());
            QVERIFY(control<QPushButton>(window, 1)->isDefault());
            pressKey(window, Qt::Key_Return);
        });
    }

    void pickingAWrongAnswerShowsItsCorrectAnswer() {
        answeredResults(seventeenOfTwenty(), [](QWidget* window) {
            auto* list = control<QListWidget>(window, 330);
            auto* answer = control<QLineEdit>(window, 332);
            const QRect second = list->visualItemRect(list->item(1));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
            QCOMPARE(answer->text(), QString(" 54"));
            pressKey(window, Qt::Key_Down);
            QCOMPARE(answer->text(), QString(" 3"));
            saveShot(window, "results_selected");
            click(control<QPushButton>(window, 1));
        });
    }
};

static const bool registered = registerWidgetTest<ResultsWindowTest>();

#include "ResultsWindowTest.moc"
