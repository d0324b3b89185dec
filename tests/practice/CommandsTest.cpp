#include "PracticeFixture.h"

namespace {
class Commands : public PracticeFixture {};
} // namespace

TEST_F(Commands, EnterPressesAFocusedToolbarButtonUnlessARunWaitsToBegin) {
    keys("E"); // no mode, focus outside the toolbar: nothing
    EXPECT_TRUE(commandsSent.empty());
    EXPECT_EQ(screen.problem(), "");
    EXPECT_FALSE(visible(ControlId::NextButton));

    screen.focus = ControlId::DrillButton;
    screen.defaultLook.insert(ControlId::DrillButton);
    keys("E");
    EXPECT_EQ(commandsSent, std::vector<int>{PracticeCommand::drill});
    EXPECT_FALSE(screen.isDefault(ControlId::DrillButton));

    commandsSent.clear();
    screen.focus = ControlId::LearnButton;
    learn(3, 7);
    keys("E");
    EXPECT_TRUE(commandsSent.empty());
    EXPECT_EQ(screen.problem(), "7 x 1 = ");
    screen.focus = ControlId::TestButton; // the child tabbed to the toolbar
    keys("E");
    EXPECT_EQ(commandsSent, std::vector<int>{PracticeCommand::test});
    EXPECT_EQ(screen.problem(), "7 x 1 = ");
}

TEST_F(Commands, ResetClearsTheAreaButKeepsCountsAndIndex) {
    learn(3, 7);
    keys("ERE");
    engine.beforeToolbarCommand(PracticeCommand::learn); // the dialog is then cancelled
    EXPECT_EQ(state().mode, PracticeMode::Learn);
    engine.resetPractice();
    EXPECT_EQ(state().mode, PracticeMode::None);
    for (ControlId id :
         {ControlId::FirstOperand, ControlId::SecondOperand, ControlId::Operator, ControlId::Equals,
          ControlId::AnswerLabel, ControlId::AnswerBox, ControlId::NextButton,
          ControlId::ShowAnswerButton, ControlId::StatusLabel, ControlId::TitleLabel}) {
        EXPECT_EQ(text(id), "") << static_cast<int>(id);
    }
    for (ControlId id : {ControlId::HappyImage, ControlId::AnswerBox, ControlId::NextButton,
                         ControlId::ShowAnswerButton}) {
        EXPECT_FALSE(visible(id)) << static_cast<int>(id);
    }
    EXPECT_EQ(state().problemIndex, 2);
    EXPECT_EQ(state().correctCount, 1);
    EXPECT_FALSE(state().problemOnScreen());
}

TEST_F(Commands, ToolbarPreStepsSetWidthModeAndAnswerBox) {
    engine.beforeToolbarCommand(PracticeCommand::test);
    EXPECT_EQ(screen.statusWidth, narrowStatusWidth);
    EXPECT_EQ(state().mode, PracticeMode::None);
    engine.beforeToolbarCommand(PracticeCommand::report);
    EXPECT_EQ(screen.statusWidth, narrowStatusWidth); // Report leaves the width
    engine.beforeToolbarCommand(PracticeCommand::drill);
    EXPECT_EQ(screen.statusWidth, wideStatusWidth);
    EXPECT_EQ(state().mode, PracticeMode::Drill);
    screen.disabled.insert(ControlId::AnswerBox);
    engine.beforeToolbarCommand(PracticeCommand::config);
    EXPECT_FALSE(screen.isEnabled(ControlId::AnswerBox));
    EXPECT_EQ(state().mode, PracticeMode::None);
    engine.beforeToolbarCommand(PracticeCommand::learn);
    EXPECT_TRUE(screen.isEnabled(ControlId::AnswerBox));
    EXPECT_EQ(state().mode, PracticeMode::Learn);
}

TEST_F(Commands, ReportAbandonsADrillAndATest) {
    drill(1);
    keys("ER");
    engine.beforeToolbarCommand(PracticeCommand::report);
    EXPECT_EQ(state().mode, PracticeMode::None);
    EXPECT_EQ(screen.problem() + text(ControlId::StatusLabel), "");
    EXPECT_FALSE(visible(ControlId::HappyImage));
    keys("E");
    EXPECT_EQ(screen.problem(), "");

    test(1, 1, 12);
    keys("E");
    answerRight(2);
    engine.beforeToolbarCommand(PracticeCommand::report);
    EXPECT_EQ(state().mode, PracticeMode::None);
    EXPECT_FALSE(screen.timeBar);
    ticks(70);
    EXPECT_TRUE(student.history.empty());
}

TEST(CommandsEscape, RecordsNothingAndGivesTheLearnButtonFocusAndDefaultLook) {
    for (bool inTest : {false, true}) {
        PracticeRun run;
        inTest ? run.test(1, 1, 12) : run.drill(2);
        run.keys("E");
        run.answerRight(4);
        run.keys("X");
        EXPECT_EQ(run.state().mode, PracticeMode::None);
        EXPECT_TRUE(run.student.history.empty());
        EXPECT_EQ(run.student.changeState, ChangeState::Unchanged);
        EXPECT_TRUE(run.screen.results.empty());
        EXPECT_FALSE(run.screen.timeBar);
        EXPECT_FALSE(run.screen.testTimerRunning);
        EXPECT_EQ(run.screen.focus, ControlId::LearnButton);
        EXPECT_TRUE(run.screen.isDefault(ControlId::LearnButton));
        run.ticks(120);
        EXPECT_TRUE(run.student.history.empty());
        run.keys("E");
        EXPECT_EQ(run.commandsSent, std::vector<int>{PracticeCommand::learn});
    }
}

TEST_F(Commands, BeginTakesTheDefaultLookFromTheModesButton) {
    screen.defaultLook = {ControlId::LearnButton, ControlId::DrillButton, ControlId::TestButton};
    drill(1);
    EXPECT_FALSE(screen.isDefault(ControlId::DrillButton));
    test(1, 1, 1);
    EXPECT_FALSE(screen.isDefault(ControlId::TestButton));
    learn(1, 1);
    EXPECT_TRUE(screen.defaultLook.empty());
}

TEST_F(Commands, WrongAnswerMessageUsesTheStartPosition) {
    engine.setMainPosition(ScreenPoint{-40, 10});
    learn(1, 7);
    keys("E9"); // 7 + 1 = 8
    ASSERT_EQ(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].x, 310);
    EXPECT_EQ(screen.messages[0].y, 260);
}
