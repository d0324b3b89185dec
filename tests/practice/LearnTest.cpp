#include "PracticeFixture.h"

namespace {
class Learn : public PracticeFixture {};
} // namespace

TEST_F(Learn, StartShowsOnlyEnterToBeginAndNotesTheChoice) {
    learn(3, 7);
    EXPECT_EQ(text(ControlId::NextButton), "Enter --> Begin");
    EXPECT_TRUE(visible(ControlId::NextButton));
    EXPECT_FALSE(visible(ControlId::AnswerBox));
    EXPECT_EQ(screen.problem(), "");
    EXPECT_EQ(text(ControlId::TitleLabel), "");
    EXPECT_EQ(student.lastLearnOp, 3);
    EXPECT_EQ(student.lastLearnNumber, 7);
    EXPECT_EQ(student.changeState, ChangeState::LearnChoiceChanged);
}

TEST_F(Learn, SevenTimesOneAndARightAnswer) {
    learn(3, 7);
    enter();
    EXPECT_EQ(text(ControlId::FirstOperand), "7");
    EXPECT_EQ(text(ControlId::Operator), " x ");
    EXPECT_EQ(text(ControlId::SecondOperand), "1");
    EXPECT_EQ(text(ControlId::Equals), " = ");
    EXPECT_EQ(text(ControlId::TitleLabel), "Learning for number 7  (Mult)");
    EXPECT_EQ(text(ControlId::NextButton), "Enter --> Next");
    EXPECT_EQ(text(ControlId::ShowAnswerButton), "Space --> Answer");
    EXPECT_TRUE(visible(ControlId::ShowAnswerButton));
    EXPECT_TRUE(visible(ControlId::AnswerBox));
    EXPECT_EQ(screen.focus, ControlId::AnswerBox);

    screen.type("7");
    EXPECT_TRUE(visible(ControlId::HappyImage));
    EXPECT_EQ(text(ControlId::StatusLabel), "Correct answer - very good...");
    EXPECT_FALSE(visible(ControlId::ShowAnswerButton));
    EXPECT_EQ(engine.state().correctCount, 1);
    EXPECT_EQ(engine.state().askedCount, 1);
    EXPECT_EQ(screen.problem(), "7 x 1 = "); // a right answer waits for Enter
    EXPECT_TRUE(screen.messages.empty());
    EXPECT_EQ(text(ControlId::TitleLabel), "Learning for number 7  (Mult)"); // no count line
}

TEST_F(Learn, WrongAnswerIsCaughtAtItsLastDigit) {
    learn(3, 7);
    enter();
    enter(); // 7 x 2
    screen.type("1");
    EXPECT_TRUE(screen.messages.empty());
    EXPECT_EQ(screen.problem(), "7 x 2 = ");
    screen.type("5");
    ASSERT_EQ(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].text, "\r\n  Correct answer is:  14");
    EXPECT_EQ(screen.messages[0].caption, "*** WRONG ANSWER ***");
    EXPECT_EQ(screen.messages[0].x, 450);
    EXPECT_EQ(screen.messages[0].y, 300);
    EXPECT_EQ(screen.problem(), "7 x 3 = ");
    EXPECT_EQ(text(ControlId::AnswerBox), "");
    EXPECT_TRUE(visible(ControlId::NextButton));
    EXPECT_FALSE(visible(ControlId::HappyImage));
    EXPECT_EQ(engine.state().askedCount, 1);
    EXPECT_EQ(engine.state().correctCount, 0);
}

TEST_F(Learn, TooShortAnswerIsWrongOnEnter) {
    learn(3, 7);
    enter();
    enter();
    screen.type("1");
    enter();
    ASSERT_EQ(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].text, "\r\n  Correct answer is:  14");
    EXPECT_EQ(screen.problem(), "7 x 3 = ");
    EXPECT_EQ(engine.state().askedCount, 1);
}

TEST_F(Learn, AnAnswerTypedAndErasedIsNotJudged) {
    learn(3, 7);
    enter();
    enter();
    screen.type("1");
    screen.backspace();
    enter();
    EXPECT_TRUE(screen.messages.empty());
    EXPECT_EQ(engine.state().askedCount, 0);
    EXPECT_EQ(screen.problem(), "7 x 3 = ");
}

TEST_F(Learn, SpaceOnAnEmptyBoxShowsTheAnswer) {
    learn(3, 7);
    enter();
    enter();
    space();
    EXPECT_EQ(text(ControlId::AnswerLabel), "14");
    EXPECT_FALSE(visible(ControlId::AnswerBox));
    EXPECT_FALSE(visible(ControlId::ShowAnswerButton));
    EXPECT_EQ(screen.focus, ControlId::AnswerLabel);
    space(); // already shown: nothing more
    EXPECT_EQ(text(ControlId::AnswerLabel), "14");
    enter();
    EXPECT_EQ(screen.problem(), "7 x 3 = ");
    EXPECT_EQ(text(ControlId::AnswerLabel), "");
    EXPECT_TRUE(visible(ControlId::AnswerBox));
    EXPECT_EQ(engine.state().askedCount, 0); // showing the answer does not count
}

TEST_F(Learn, SpaceAfterTypingRevealsNothing) {
    learn(3, 7);
    enter();
    enter();
    screen.type("1");
    space();
    EXPECT_EQ(text(ControlId::AnswerLabel), "");
    EXPECT_TRUE(visible(ControlId::AnswerBox));
}

TEST_F(Learn, SpaceBeforeTheFirstProblemRevealsNothing) {
    learn(3, 7);
    space();
    EXPECT_EQ(text(ControlId::AnswerLabel), "");
}

TEST_F(Learn, ShowAllAnswersRevealsEveryAnswer) {
    learn(1, 7, true);
    for (int second = 1; second <= 3; ++second) {
        enter();
        EXPECT_EQ(text(ControlId::AnswerLabel), std::to_string(7 + second));
        EXPECT_FALSE(visible(ControlId::ShowAnswerButton));
        EXPECT_FALSE(visible(ControlId::AnswerBox));
    }
}

TEST_F(Learn, AfterTheLastProblemTheTableStartsAgain) {
    learn(3, 7);
    for (int i = 0; i < 12; ++i) {
        enter();
    }
    EXPECT_EQ(screen.problem(), "7 x 12 = ");
    enter();
    EXPECT_EQ(screen.problem(), "7 x 1 = ");
}

TEST_F(Learn, RetypingARightAnswerCountsItOnce) {
    learn(3, 7);
    enter();
    screen.type("7");
    screen.backspace();
    EXPECT_FALSE(visible(ControlId::HappyImage));
    EXPECT_EQ(text(ControlId::StatusLabel), "");
    screen.type("7");
    EXPECT_EQ(engine.state().correctCount, 1);
    EXPECT_EQ(engine.state().askedCount, 1);
}

TEST_F(Learn, SameValueWithADifferentLengthChangesNothing) {
    learn(3, 7);
    enter();
    enter();
    screen.setText(ControlId::AnswerBox, "014"); // pasted with a leading zero
    EXPECT_TRUE(screen.messages.empty());
    EXPECT_EQ(engine.state().correctCount, 0);
    EXPECT_FALSE(visible(ControlId::HappyImage));
    EXPECT_EQ(engine.state().answerState, AnswerState::Nothing);
}

TEST_F(Learn, EmptyListShowsNoProblemAndJudgesNothing) {
    learn(2, 0); // Sub of 0 with a range starting at 1
    enter();
    EXPECT_EQ(screen.problem(), "");
    EXPECT_EQ(text(ControlId::TitleLabel), "Learning for number 0  (Sub)");
    screen.type("5");
    space();
    enter();
    EXPECT_TRUE(screen.messages.empty());
    EXPECT_EQ(text(ControlId::AnswerLabel), "");
    EXPECT_EQ(engine.state().askedCount, 0);
    engine.cmdEscape();
    EXPECT_EQ(engine.state().mode, PracticeMode::None);
}

TEST_F(Learn, NothingIsWrittenToTheHistory) {
    learn(1, 3);
    for (int i = 0; i < 5; ++i) {
        enter();
        typeRightAnswer();
    }
    engine.cmdEscape();
    EXPECT_TRUE(student.history.empty());
    EXPECT_EQ(screen.beeps, 0);
}
