#include "PracticeFixture.h"

#include "practice/PracticeTexts.h"
#include "records/PackDate.h"

namespace {
class OnScreenTest : public PracticeFixture {
protected:
    void answerRight(int count) {
        for (int i = 0; i < count; ++i) {
            typeRightAnswer();
            enter();
        }
    }
};
} // namespace

TEST_F(OnScreenTest, OneMinuteAddTestFinishesAtTheTwelfthEnter) {
    test(1, 1, 12);
    EXPECT_EQ(screen.statusWidth, 30);
    EXPECT_EQ(text(ControlId::NextButton), "Enter --> Begin");
    EXPECT_FALSE(screen.timeBar);
    enter();
    EXPECT_TRUE(screen.timeBar);
    EXPECT_EQ(screen.timeBarMaximum, 60);
    EXPECT_TRUE(screen.testTimerRunning);
    EXPECT_EQ(text(ControlId::StatusLabel), "Time:");
    EXPECT_EQ(text(ControlId::NextButton), "Enter --> Next");
    EXPECT_EQ(text(ControlId::TitleLabel), "Test Mode - Add  (0 correct out of 0)");
    EXPECT_FALSE(visible(ControlId::ShowAnswerButton));

    answerRight(3);
    EXPECT_EQ(text(ControlId::TitleLabel), "Test Mode - Add  (3 correct out of 3)");
    typeWrongAnswer();
    EXPECT_TRUE(screen.messages.empty()); // judged on Enter only
    EXPECT_FALSE(visible(ControlId::HappyImage));
    enter();
    EXPECT_EQ(text(ControlId::TitleLabel), "Test Mode - Add  (3 correct out of 4)");
    answerRight(7);
    EXPECT_TRUE(screen.results.empty());
    ticks(10);
    typeRightAnswer();
    enter(); // the twelfth

    ASSERT_EQ(screen.results.size(), 1u);
    EXPECT_EQ(screen.results[0].testProblemCount, 12);
    EXPECT_EQ(screen.results[0].correctCount, 11);
    EXPECT_EQ(screen.results[0].recordCount, 0);
    EXPECT_EQ(screen.results[0].wrongList.size(), 1u);
    EXPECT_EQ(screen.beeps, 1);
    ASSERT_EQ(student.history.size(), 1u);
    const ScoreRecord expected{packDate("03-15-2026"), 1, 1, 12, 11};
    EXPECT_EQ(student.history[0], expected);
    EXPECT_EQ(student.changeState, ChangeState::ScoresChanged);

    EXPECT_EQ(engine.state().mode, PracticeMode::None);
    EXPECT_FALSE(screen.timeBar);
    EXPECT_FALSE(screen.testTimerRunning);
    EXPECT_EQ(screen.problem(), "");
    EXPECT_EQ(text(ControlId::TitleLabel), "");
    EXPECT_EQ(screen.focus, ControlId::ReportButton);
    EXPECT_EQ(screen.defaultLook.count(ControlId::ReportButton), 1u);

    enter(); // opens the progress report
    EXPECT_EQ(commandsSent, std::vector<int>{PracticeCommand::report});
    EXPECT_EQ(screen.defaultLook.count(ControlId::ReportButton), 0u);
}

TEST_F(OnScreenTest, TimeUpScoresTheProblemOnScreenWithWhatWasTyped) {
    setRange(10, 12); // every product has three digits, so "1" is half typed
    test(3, 1, 20);
    enter();
    answerRight(5);
    screen.type("1");
    ticks(59);
    EXPECT_EQ(screen.timeBarPosition, 59);
    EXPECT_TRUE(screen.results.empty());
    const Problem sixth = engine.state().current;
    ticks(1);
    ASSERT_EQ(screen.results.size(), 1u);
    EXPECT_EQ(engine.state().askedCount, 6);
    EXPECT_EQ(screen.results[0].correctCount, 5);
    EXPECT_EQ(screen.results[0].testProblemCount, 20);
    ASSERT_EQ(screen.results[0].wrongList.size(), 1u);
    EXPECT_EQ(screen.results[0].wrongList[0].problemText, wrongAnswerEntry(sixth, "1").problemText);
    EXPECT_EQ(screen.results[0].wrongList[0].problemText.substr(
                  screen.results[0].wrongList[0].problemText.size() - 6),
              "  =  1");
    ASSERT_EQ(student.history.size(), 1u);
    EXPECT_EQ(student.history[0].problems, 20);
    EXPECT_EQ(student.history[0].correct, 5);
    EXPECT_EQ(student.history[0].timeLimit, 1);
    ticks(5); // later ticks do nothing
    EXPECT_EQ(student.history.size(), 1u);
}

TEST_F(OnScreenTest, TimeBarRoundsHalvesToEven) {
    test(1, 2, 24);
    enter();
    clock.advance(2.5);
    engine.timerTick();
    EXPECT_EQ(screen.timeBarPosition, 2);
    clock.advance(1.0);
    engine.timerTick();
    EXPECT_EQ(screen.timeBarPosition, 4);
}

TEST_F(OnScreenTest, ATestAcrossMidnightStillEnds) {
    clock.timeOfDay = 86400.0 - 20.0;
    test(1, 1, 30);
    enter();
    ticks(59);
    EXPECT_LT(clock.timeOfDay, 60.0); // the time of day has wrapped
    EXPECT_TRUE(screen.results.empty());
    ticks(1);
    EXPECT_EQ(screen.results.size(), 1u);
}

TEST_F(OnScreenTest, EmptyEnterIsWrongAndItsTextEndsWithTheEqualsSign) {
    test(1, 1, 12);
    enter();
    const Problem first = engine.state().current;
    enter();
    EXPECT_EQ(engine.state().askedCount, 1);
    EXPECT_EQ(engine.state().correctCount, 0);
    ASSERT_EQ(engine.state().wrongList.size(), 1u);
    const WrongAnswer& wrong = engine.state().wrongList[0];
    EXPECT_EQ(wrong.problemText,
              numberWithSign(first.first) + "  + " + numberWithSign(first.second) + "  =  ");
    EXPECT_EQ(wrong.correctText, numberWithSign(first.first + first.second));
}

TEST_F(OnScreenTest, WrongListTextsOfSevenTimesEight) {
    setRange(7, 8);
    test(3, 1, 12);
    enter();
    for (int i = 0; i < 4; ++i) {
        screen.type("54");
        enter();
    }
    bool found = false;
    for (const WrongAnswer& wrong : engine.state().wrongList) {
        if (wrong.problemText == " 7  x  8  =  54") {
            EXPECT_EQ(wrong.correctText, " 56");
            found = true;
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(OnScreenTest, DivTestReshufflesPastThirtyFiveProblems) {
    test(4, 10, 120);
    enter();
    for (int i = 0; i < 34; ++i) {
        typeRightAnswer();
        enter();
        clock.advance(0.1);
    }
    EXPECT_EQ(engine.state().problemIndex, 35);
    answerRight(1); // past the 35th: a new order
    EXPECT_EQ(engine.state().problemIndex, 1);
    answerRight(84);
    EXPECT_TRUE(screen.results.empty());
    EXPECT_EQ(engine.state().problemsShown, 120);
    answerRight(1);
    ASSERT_EQ(screen.results.size(), 1u);
    EXPECT_EQ(screen.results[0].correctCount, 120);
    EXPECT_EQ(student.history.at(0).problems, 120);
    EXPECT_EQ(student.history.at(0).kind, 4);
}

TEST_F(OnScreenTest, MixAllStoresKindFive) {
    test(5, 1, 3);
    enter();
    answerRight(3);
    ASSERT_EQ(student.history.size(), 1u);
    EXPECT_EQ(student.history[0].kind, 5);
}

TEST_F(OnScreenTest, EscapeRecordsNothing) {
    test(1, 1, 12);
    enter();
    answerRight(4);
    engine.cmdEscape();
    EXPECT_TRUE(student.history.empty());
    EXPECT_EQ(student.changeState, ChangeState::Unchanged);
    EXPECT_TRUE(screen.results.empty());
    EXPECT_FALSE(screen.timeBar);
    EXPECT_FALSE(screen.testTimerRunning);
    EXPECT_EQ(screen.focus, ControlId::LearnButton);
    EXPECT_EQ(screen.defaultLook.count(ControlId::LearnButton), 1u);
    ticks(120);
    EXPECT_TRUE(student.history.empty());
    enter();
    EXPECT_EQ(commandsSent, std::vector<int>{PracticeCommand::learn});
}

TEST_F(OnScreenTest, AToolbarCommandAbandonsTheTest) {
    test(1, 1, 12);
    enter();
    answerRight(2);
    engine.beforeToolbarCommand(PracticeCommand::report);
    EXPECT_EQ(engine.state().mode, PracticeMode::None);
    EXPECT_FALSE(screen.timeBar);
    ticks(70);
    EXPECT_TRUE(student.history.empty());
}

TEST_F(OnScreenTest, ResultsAreShownBeforeTheRecordIsAdded) {
    student.history.resize(3);
    std::size_t heldWhileOpen = 0;
    screen.whileResultsOpen = [&] { heldWhileOpen = student.history.size(); };
    test(1, 1, 1);
    enter();
    answerRight(1);
    EXPECT_EQ(heldWhileOpen, 3u);
    EXPECT_EQ(screen.results.at(0).recordCount, 3);
    EXPECT_EQ(student.history.size(), 4u);
}

TEST_F(OnScreenTest, FullHistoryShowsTheResultButStoresNothing) {
    student.history.resize(maxScoreRecords);
    test(1, 1, 1);
    enter();
    answerRight(1);
    EXPECT_EQ(screen.results.at(0).recordCount, 1000);
    EXPECT_EQ(student.history.size(), maxScoreRecords);
    EXPECT_EQ(student.changeState, ChangeState::Unchanged);
}

TEST_F(OnScreenTest, ZeroProblemsFinishAtTheFirstEnter) {
    test(1, 1, 0);
    enter();
    ASSERT_EQ(screen.results.size(), 1u);
    EXPECT_EQ(student.history.at(0).problems, 0);
    EXPECT_EQ(student.history.at(0).correct, 0);
}

TEST_F(OnScreenTest, SpaceDoesNothingInATest) {
    test(1, 1, 12);
    enter();
    space();
    engine.cmdShowAnswer();
    EXPECT_EQ(text(ControlId::AnswerLabel), "");
    EXPECT_TRUE(visible(ControlId::AnswerBox));
}

TEST_F(OnScreenTest, ANewTestEmptiesTheWrongList) {
    test(1, 1, 2);
    enter();
    enter();
    enter();
    test(1, 1, 2);
    EXPECT_EQ(engine.state().wrongList.size(), 2u); // left as it was until the start
    enter();
    EXPECT_TRUE(engine.state().wrongList.empty());
}
