#include "PracticeFixture.h"

#include "practice/PracticeTexts.h"
#include "records/PackDate.h"

namespace {
class OnScreenTest : public PracticeFixture {};
} // namespace

TEST_F(OnScreenTest, OneMinuteAddTestFinishesAtTheTwelfthEnter) {
    test(1, 1, 12);
    EXPECT_EQ(text(ControlId::NextButton), "Enter --> Begin");
    EXPECT_FALSE(screen.timeBar);
    keys("E");
    EXPECT_TRUE(screen.timeBar);
    EXPECT_EQ(screen.timeBarMaximum, 60);
    EXPECT_TRUE(screen.testTimerRunning);
    EXPECT_EQ(text(ControlId::StatusLabel), "Time:");
    EXPECT_EQ(text(ControlId::NextButton), "Enter --> Next");
    EXPECT_EQ(text(ControlId::TitleLabel), "Test Mode - Add  (0 correct out of 0)");
    EXPECT_FALSE(visible(ControlId::ShowAnswerButton));

    answerRight(3);
    EXPECT_EQ(text(ControlId::TitleLabel), "Test Mode - Add  (3 correct out of 3)");
    keys("W");
    EXPECT_TRUE(screen.messages.empty()); // judged on Enter only
    EXPECT_FALSE(visible(ControlId::HappyImage));
    keys("E");
    EXPECT_EQ(text(ControlId::TitleLabel), "Test Mode - Add  (3 correct out of 4)");
    answerRight(7);
    EXPECT_TRUE(screen.results.empty());
    ticks(10);
    answerRight(1); // the twelfth

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

    EXPECT_EQ(state().mode, PracticeMode::None);
    EXPECT_FALSE(screen.timeBar);
    EXPECT_FALSE(screen.testTimerRunning);
    EXPECT_EQ(screen.problem() + text(ControlId::TitleLabel), "");
    EXPECT_EQ(screen.focus, ControlId::ReportButton);
    EXPECT_TRUE(screen.isDefault(ControlId::ReportButton));
    keys("E"); // opens the progress report
    EXPECT_EQ(commandsSent, std::vector<int>{PracticeCommand::report});
    EXPECT_FALSE(screen.isDefault(ControlId::ReportButton));
}

TEST_F(OnScreenTest, TimeUpScoresTheProblemOnScreenWithWhatWasTyped) {
    setRange(10, 12); // every product has three digits, so "1" is half typed
    test(3, 1, 20);
    keys("E");
    answerRight(5);
    keys("1");
    ticks(59);
    EXPECT_EQ(screen.timeBarPosition, 59);
    EXPECT_TRUE(screen.results.empty());
    const Problem sixth = state().current;
    ticks(1);
    ASSERT_EQ(screen.results.size(), 1u);
    EXPECT_EQ(state().askedCount, 6);
    EXPECT_EQ(screen.results[0].correctCount, 5);
    ASSERT_EQ(screen.results[0].wrongList.size(), 1u);
    const WrongAnswer& wrong = screen.results[0].wrongList[0];
    EXPECT_EQ(wrong.problemText, wrongAnswerEntry(sixth, "1").problemText);
    EXPECT_TRUE(wrong.problemText.ends_with("  =  1")) << wrong.problemText;
    ASSERT_EQ(student.history.size(), 1u);
    EXPECT_EQ(student.history[0].problems, 20);
    EXPECT_EQ(student.history[0].correct, 5);
    EXPECT_EQ(student.history[0].timeLimit, 1);
    ticks(5); // later ticks do nothing
    EXPECT_EQ(student.history.size(), 1u);
}

TEST_F(OnScreenTest, TimeBarRoundsHalvesToEven) {
    test(1, 2, 24);
    keys("E");
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
    keys("E");
    ticks(59);
    EXPECT_LT(clock.timeOfDay, 60.0); // the time of day has wrapped
    EXPECT_TRUE(screen.results.empty());
    ticks(1);
    EXPECT_EQ(screen.results.size(), 1u);
}

TEST_F(OnScreenTest, EmptyEnterIsWrongAndItsTextEndsWithTheEqualsSign) {
    test(1, 1, 12);
    keys("E");
    const Problem first = state().current;
    keys("E");
    EXPECT_EQ(state().askedCount, 1);
    EXPECT_EQ(state().correctCount, 0);
    ASSERT_EQ(state().wrongList.size(), 1u);
    EXPECT_EQ(state().wrongList[0].problemText,
              numberWithSign(first.first) + "  + " + numberWithSign(first.second) + "  =  ");
    EXPECT_EQ(state().wrongList[0].correctText, numberWithSign(first.first + first.second));
}

TEST_F(OnScreenTest, DivTestReshufflesPastThirtyFiveProblems) {
    test(4, 10, 120);
    keys("E");
    for (int i = 0; i < 34; ++i) {
        answerRight(1);
        clock.advance(0.1);
    }
    EXPECT_EQ(state().problemIndex, 35);
    answerRight(1); // past the 35th: a new order
    EXPECT_EQ(state().problemIndex, 1);
    answerRight(84);
    EXPECT_TRUE(screen.results.empty());
    EXPECT_EQ(state().problemsShown, 120);
    answerRight(1);
    ASSERT_EQ(screen.results.size(), 1u);
    EXPECT_EQ(screen.results[0].correctCount, 120);
    EXPECT_EQ(student.history.at(0).problems, 120);
    EXPECT_EQ(student.history.at(0).kind, 4);
}

// The record a finished test leaves, by the history it finds.
TEST(OnScreenTestRecord, MixAllKindShownCountAndAFullHistory) {
    struct Case {
        int kind;
        int problems;
        std::size_t held;        // records before the test
        std::size_t after;       // records after it
        ChangeState changeState; // then
    };
    for (const Case c : {Case{5, 3, 0, 1, ChangeState::ScoresChanged},
                         Case{1, 0, 0, 1, ChangeState::ScoresChanged}, // ends at the first Enter
                         Case{1, 1, 3, 4, ChangeState::ScoresChanged},
                         Case{1, 1, maxScoreRecords, maxScoreRecords, ChangeState::Unchanged}}) {
        SCOPED_TRACE(c.held);
        PracticeRun run;
        run.student.history.resize(c.held);
        std::size_t heldWhileOpen = 0;
        run.screen.whileResultsOpen = [&] { heldWhileOpen = run.student.history.size(); };
        run.test(c.kind, 1, c.problems);
        run.keys("E");
        run.answerRight(c.problems);
        ASSERT_EQ(run.screen.results.size(), 1u);
        EXPECT_EQ(run.screen.results[0].recordCount, static_cast<int>(c.held));
        EXPECT_EQ(heldWhileOpen, c.held); // the results are shown before the record is added
        ASSERT_EQ(run.student.history.size(), c.after);
        EXPECT_EQ(run.student.changeState, c.changeState);
        if (c.after > c.held) {
            EXPECT_EQ(run.student.history.back().kind, c.kind);
            EXPECT_EQ(run.student.history.back().problems, c.problems);
            EXPECT_EQ(run.student.history.back().correct, c.problems);
        }
    }
}

TEST_F(OnScreenTest, SpaceDoesNothingInATest) {
    test(1, 1, 12);
    keys("ES");
    engine.cmdShowAnswer();
    EXPECT_EQ(text(ControlId::AnswerLabel), "");
    EXPECT_TRUE(visible(ControlId::AnswerBox));
}

TEST_F(OnScreenTest, ANewTestEmptiesTheWrongListWhenItStarts) {
    test(1, 1, 2);
    keys("EEE");
    test(1, 1, 2);
    EXPECT_EQ(state().wrongList.size(), 2u); // left as it was until the start
    keys("E");
    EXPECT_TRUE(state().wrongList.empty());
}
