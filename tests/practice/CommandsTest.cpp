#include "PracticeFixture.h"

namespace {
class Commands : public PracticeFixture {};
} // namespace

TEST_F(Commands, EnterWithNoModeAndFocusOutsideTheToolbarDoesNothing) {
    enter();
    EXPECT_TRUE(commandsSent.empty());
    EXPECT_EQ(screen.problem(), "");
    EXPECT_FALSE(visible(ControlId::NextButton));
}

TEST_F(Commands, EnterOnAFocusedToolbarButtonPressesIt) {
    screen.focus = ControlId::DrillButton;
    screen.defaultLook.insert(ControlId::DrillButton);
    enter();
    EXPECT_EQ(commandsSent, std::vector<int>{PracticeCommand::drill});
    EXPECT_EQ(screen.defaultLook.count(ControlId::DrillButton), 0u);
}

TEST_F(Commands, EnterBeginsTheRunWhileEnterToBeginWaits) {
    screen.focus = ControlId::LearnButton;
    learn(3, 7);
    enter();
    EXPECT_TRUE(commandsSent.empty());
    EXPECT_EQ(screen.problem(), "7 x 1 = ");
    screen.focus = ControlId::TestButton; // the child tabbed to the toolbar
    enter();
    EXPECT_EQ(commandsSent, std::vector<int>{PracticeCommand::test});
    EXPECT_EQ(screen.problem(), "7 x 1 = ");
}

TEST_F(Commands, LearnThenCancelLeavesAnEmptyAreaWithNoMode) {
    learn(3, 7);
    enter();
    typeRightAnswer();
    engine.beforeToolbarCommand(PracticeCommand::learn); // the dialog is then cancelled
    EXPECT_EQ(engine.state().mode, PracticeMode::Learn);
    engine.resetPractice();
    EXPECT_EQ(engine.state().mode, PracticeMode::None);
    for (ControlId id :
         {ControlId::FirstOperand, ControlId::SecondOperand, ControlId::Operator, ControlId::Equals,
          ControlId::AnswerLabel, ControlId::AnswerBox, ControlId::NextButton,
          ControlId::ShowAnswerButton, ControlId::StatusLabel, ControlId::TitleLabel}) {
        EXPECT_EQ(text(id), "") << static_cast<int>(id);
    }
    EXPECT_FALSE(visible(ControlId::HappyImage));
    EXPECT_FALSE(visible(ControlId::AnswerBox));
    EXPECT_FALSE(visible(ControlId::NextButton));
    EXPECT_FALSE(visible(ControlId::ShowAnswerButton));
}

TEST_F(Commands, ToolbarPreStepsSetWidthModeAndAnswerBox) {
    engine.beforeToolbarCommand(PracticeCommand::test);
    EXPECT_EQ(screen.statusWidth, narrowStatusWidth);
    EXPECT_EQ(engine.state().mode, PracticeMode::None);
    engine.beforeToolbarCommand(PracticeCommand::report);
    EXPECT_EQ(screen.statusWidth, narrowStatusWidth); // Report leaves the width
    engine.beforeToolbarCommand(PracticeCommand::drill);
    EXPECT_EQ(screen.statusWidth, wideStatusWidth);
    EXPECT_EQ(engine.state().mode, PracticeMode::Drill);
    screen.disabled.insert(ControlId::AnswerBox);
    engine.beforeToolbarCommand(PracticeCommand::config);
    EXPECT_EQ(screen.disabled.count(ControlId::AnswerBox), 1u);
    EXPECT_EQ(engine.state().mode, PracticeMode::None);
    engine.beforeToolbarCommand(PracticeCommand::learn);
    EXPECT_EQ(screen.disabled.count(ControlId::AnswerBox), 0u);
    EXPECT_EQ(engine.state().mode, PracticeMode::Learn);
}

TEST_F(Commands, ReportDuringADrillAbandonsIt) {
    drill(1);
    enter();
    typeRightAnswer();
    engine.beforeToolbarCommand(PracticeCommand::report);
    EXPECT_EQ(engine.state().mode, PracticeMode::None);
    EXPECT_EQ(screen.problem(), "");
    EXPECT_FALSE(visible(ControlId::HappyImage));
    EXPECT_EQ(text(ControlId::StatusLabel), "");
    enter();
    EXPECT_EQ(screen.problem(), "");
}

TEST_F(Commands, ResetKeepsCountsAndIndex) {
    learn(1, 4);
    enter();
    typeRightAnswer();
    enter();
    engine.resetPractice();
    EXPECT_EQ(engine.state().problemIndex, 2);
    EXPECT_EQ(engine.state().correctCount, 1);
    EXPECT_FALSE(engine.state().problemOnScreen());
}

TEST_F(Commands, EscapeGivesTheLearnButtonFocusAndDefaultLook) {
    drill(2);
    enter();
    engine.cmdEscape();
    EXPECT_EQ(engine.state().mode, PracticeMode::None);
    EXPECT_EQ(screen.focus, ControlId::LearnButton);
    EXPECT_EQ(screen.defaultLook.count(ControlId::LearnButton), 1u);
    enter();
    EXPECT_EQ(commandsSent, std::vector<int>{PracticeCommand::learn});
}

TEST_F(Commands, BeginTakesTheDefaultLookFromTheModesButton) {
    screen.defaultLook = {ControlId::LearnButton, ControlId::DrillButton, ControlId::TestButton};
    drill(1);
    EXPECT_EQ(screen.defaultLook.count(ControlId::DrillButton), 0u);
    test(1, 1, 1);
    EXPECT_EQ(screen.defaultLook.count(ControlId::TestButton), 0u);
    learn(1, 1);
    EXPECT_TRUE(screen.defaultLook.empty());
}

TEST_F(Commands, WrongAnswerMessageUsesTheStartPosition) {
    engine.setMainPosition(ScreenPoint{-40, 10});
    learn(1, 7);
    enter();
    screen.type("9"); // 7 + 1 = 8
    ASSERT_EQ(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].x, 310);
    EXPECT_EQ(screen.messages[0].y, 260);
}
