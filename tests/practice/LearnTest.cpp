#include "PracticeFixture.h"

namespace {
class Learn : public PracticeFixture {};
} // namespace

TEST_F(Learn, SevenTimesOneRightThenSevenTimesTwoWrong) {
    learn(3, 7);
    EXPECT_EQ(text(ControlId::NextButton), "Enter --> Begin");
    EXPECT_TRUE(visible(ControlId::NextButton));
    EXPECT_FALSE(visible(ControlId::AnswerBox));
    EXPECT_EQ(screen.problem() + text(ControlId::TitleLabel), "");
    EXPECT_EQ(student.lastLearnOp, 3);
    EXPECT_EQ(student.lastLearnNumber, 7);
    EXPECT_EQ(student.changeState, ChangeState::LearnChoiceChanged);

    keys("E");
    EXPECT_EQ(text(ControlId::FirstOperand), "7");
    EXPECT_EQ(text(ControlId::Operator), " x ");
    EXPECT_EQ(text(ControlId::SecondOperand), "1");
    EXPECT_EQ(text(ControlId::Equals), " = ");
    EXPECT_EQ(text(ControlId::TitleLabel), "Learning for number 7  (Mult)");
    EXPECT_EQ(text(ControlId::NextButton), "Enter --> Next");
    EXPECT_EQ(text(ControlId::ShowAnswerButton), "Space --> Answer");
    EXPECT_TRUE(visible(ControlId::ShowAnswerButton));
    EXPECT_EQ(screen.focus, ControlId::AnswerBox);

    keys("7");
    EXPECT_TRUE(visible(ControlId::HappyImage));
    EXPECT_EQ(text(ControlId::StatusLabel), "Correct answer - very good...");
    EXPECT_FALSE(visible(ControlId::ShowAnswerButton));
    EXPECT_EQ(screen.problem(), "7 x 1 = "); // a right answer waits for Enter
    EXPECT_EQ(text(ControlId::TitleLabel), "Learning for number 7  (Mult)"); // no count line

    keys("E15"); // 7 x 2 = 14
    ASSERT_EQ(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].text, "\r\n  Correct answer is:  14");
    EXPECT_EQ(screen.messages[0].caption, "*** WRONG ANSWER ***");
    EXPECT_EQ(screen.messages[0].x, 450);
    EXPECT_EQ(screen.messages[0].y, 300);
    EXPECT_EQ(screen.problem(), "7 x 3 = ");
    EXPECT_EQ(text(ControlId::AnswerBox), "");
    EXPECT_TRUE(visible(ControlId::NextButton));
    EXPECT_FALSE(visible(ControlId::HappyImage));
    EXPECT_EQ(state().askedCount, 2);
    EXPECT_EQ(state().correctCount, 1);

    keys("S"); // shows 21 in place of the box
    EXPECT_FALSE(visible(ControlId::AnswerBox));
    EXPECT_FALSE(visible(ControlId::ShowAnswerButton));
    EXPECT_EQ(screen.focus, ControlId::AnswerLabel);
    keys("E");
    EXPECT_TRUE(visible(ControlId::AnswerBox));
    EXPECT_EQ(state().askedCount, 2); // showing the answer does not count
}

// The keys a child presses in a Learn run of 7 x (range 1 to 12) and what follows.
struct LearnKeys {
    const char* keys;
    const char* problem;     // then on screen
    const char* answerLabel; // the answer shown
    int asked;
    int correct;
    std::size_t messages;
    bool happy;
};

class LearnKeysTest : public PracticeFixture, public ::testing::WithParamInterface<LearnKeys> {};

TEST_P(LearnKeysTest, Judging) {
    const LearnKeys& c = GetParam();
    learn(3, 7);
    keys(c.keys);
    EXPECT_EQ(screen.problem(), c.problem);
    EXPECT_EQ(text(ControlId::AnswerLabel), c.answerLabel);
    EXPECT_EQ(state().askedCount, c.asked);
    EXPECT_EQ(state().correctCount, c.correct);
    EXPECT_EQ(screen.messages.size(), c.messages);
    for (const auto& message : screen.messages) {
        EXPECT_EQ(message.text, "\r\n  Correct answer is:  14");
    }
    EXPECT_EQ(visible(ControlId::HappyImage), c.happy);
    EXPECT_EQ(visible(ControlId::AnswerBox), c.answerLabel[0] == '\0' && c.problem[0] != '\0');
    if (!c.happy) {
        EXPECT_EQ(text(ControlId::StatusLabel), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Learn, LearnKeysTest,
    ::testing::Values(LearnKeys{"EE1", "7 x 2 = ", "", 0, 0, 0, false},   // judged at full length
                      LearnKeys{"EE1E", "7 x 3 = ", "", 1, 0, 1, false},  // too short: on Enter
                      LearnKeys{"EE1BE", "7 x 3 = ", "", 0, 0, 0, false}, // erased: not judged
                      LearnKeys{"EES", "7 x 2 = ", "14", 0, 0, 0, false},
                      LearnKeys{"EESS", "7 x 2 = ", "14", 0, 0, 0, false},
                      LearnKeys{"EESSE", "7 x 3 = ", "", 0, 0, 0, false},
                      LearnKeys{"EE1S", "7 x 2 = ", "", 0, 0, 0, false}, // typed: no reveal
                      LearnKeys{"S", "", "", 0, 0, 0, false},            // before the first
                      LearnKeys{"E7B", "7 x 1 = ", "", 1, 1, 0, false},
                      LearnKeys{"E7B7", "7 x 1 = ", "", 1, 1, 0, true}, // counted once
                      LearnKeys{"EEEEEEEEEEEE", "7 x 12 = ", "", 0, 0, 0, false},
                      LearnKeys{"EEEEEEEEEEEEE", "7 x 1 = ", "", 0, 0, 0, false})); // again

TEST_F(Learn, SameValueWithADifferentLengthChangesNothing) {
    learn(3, 7);
    keys("EE");
    screen.setText(ControlId::AnswerBox, "014"); // pasted with a leading zero
    EXPECT_TRUE(screen.messages.empty());
    EXPECT_EQ(state().correctCount, 0);
    EXPECT_FALSE(visible(ControlId::HappyImage));
    EXPECT_EQ(state().answerState, AnswerState::Nothing);
}

TEST_F(Learn, ShowAllAnswersRevealsEveryAnswer) {
    learn(1, 7, true);
    for (int second = 1; second <= 3; ++second) {
        keys("E");
        EXPECT_EQ(text(ControlId::AnswerLabel), std::to_string(7 + second));
        EXPECT_FALSE(visible(ControlId::ShowAnswerButton));
        EXPECT_FALSE(visible(ControlId::AnswerBox));
    }
}

TEST_F(Learn, EmptyListShowsNoProblemAndJudgesNothing) {
    learn(2, 0); // Sub of 0 with a range starting at 1
    keys("E5SE");
    EXPECT_EQ(screen.problem(), "");
    EXPECT_EQ(text(ControlId::TitleLabel), "Learning for number 0  (Sub)");
    EXPECT_TRUE(screen.messages.empty());
    EXPECT_EQ(text(ControlId::AnswerLabel), "");
    EXPECT_EQ(state().askedCount, 0);
    keys("X");
    EXPECT_EQ(state().mode, PracticeMode::None);
}

TEST_F(Learn, NothingIsWrittenToTheHistory) {
    learn(1, 3);
    keys("ERERERERERX");
    EXPECT_EQ(state().correctCount, 5);
    EXPECT_TRUE(student.history.empty());
    EXPECT_EQ(screen.beeps, 0);
}
