#include "PracticeFixture.h"

#include <set>
#include <tuple>

namespace {
class Drill : public PracticeFixture {
protected:
    // The problems shown by `count` Enters, the clock moving `step` seconds after each.
    std::vector<std::tuple<int, int, int>> shown(int count, double step = 0.0) {
        std::vector<std::tuple<int, int, int>> problems;
        for (int i = 0; i < count; ++i) {
            keys("E");
            problems.emplace_back(state().current.first, state().current.second,
                                  state().current.operation);
            clock.advance(step);
        }
        return problems;
    }
};
using FlashCards = Drill;
} // namespace

TEST_F(Drill, CountLineAfterARightAnswerAndWhileTheWrongAnswerMessageIsOpen) {
    drill(1);
    keys("E");
    EXPECT_EQ(text(ControlId::TitleLabel), "Drill Mode - Add");
    keys("R");
    EXPECT_EQ(text(ControlId::TitleLabel), "  (1 correct out of 1)");
    keys("E");
    EXPECT_EQ(text(ControlId::TitleLabel), "Drill Mode - Add");
    keys("W");
    ASSERT_EQ(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].titleWhileOpen, "  (1 correct out of 2)");
    EXPECT_EQ(text(ControlId::TitleLabel), "Drill Mode - Add");
}

TEST_F(Drill, MixAllTitleNamesTheKindForEveryProblem) {
    drill(5);
    keys("E");
    std::set<int> operations;
    for (int i = 0; i < 60; ++i) {
        keys("E");
        EXPECT_EQ(text(ControlId::TitleLabel), "Drill Mode - Mixed");
        operations.insert(state().current.operation);
    }
    EXPECT_EQ(operations.size(), 4u);
}

TEST_F(Drill, NewOrdersWhenTheListIsUsedUpAndForEachNewDrill) {
    drill(1);
    const auto firstRound = shown(144, 0.37);
    const auto secondRound = shown(144);
    EXPECT_EQ(std::set(firstRound.begin(), firstRound.end()).size(), 144u);
    EXPECT_EQ(std::set(secondRound.begin(), secondRound.end()).size(), 144u);
    EXPECT_NE(firstRound, secondRound);

    const auto list = state().problemList;
    clock.advance(0.5);
    drill(1);
    EXPECT_NE(list, state().problemList);
}

TEST_F(Drill, ShowAllAnswersOfTheLastLearnRunAppliesToDrills) {
    learn(1, 2, true);
    drill(3);
    keys("EE");
    EXPECT_EQ(text(ControlId::AnswerLabel), answerText());
    EXPECT_FALSE(visible(ControlId::ShowAnswerButton));
}

TEST_F(FlashCards, ThreeSecondCardsShowAnswerAndStop) {
    drill(1, 3);
    engine.timerTick(); // a tick before the first card does nothing
    EXPECT_EQ(screen.problem() + text(ControlId::TitleLabel), "");
    EXPECT_EQ(text(ControlId::NextButton), "Enter --> Begin");
    keys("E");
    EXPECT_EQ(text(ControlId::NextButton), "Stop");
    EXPECT_TRUE(screen.flashTimerRunning);
    EXPECT_EQ(screen.flashPeriodMs, 3000);
    EXPECT_TRUE(visible(ControlId::AnswerBox));
    EXPECT_FALSE(screen.isEnabled(ControlId::AnswerBox));
    EXPECT_EQ(state().problemIndex, 1);
    EXPECT_NE(screen.problem(), "");

    keys("S");
    EXPECT_EQ(text(ControlId::AnswerLabel), answerText());
    EXPECT_FALSE(visible(ControlId::AnswerBox));
    engine.timerTick(); // flashTimer fires
    EXPECT_EQ(state().problemIndex, 2);
    EXPECT_EQ(text(ControlId::AnswerLabel), "");
    EXPECT_TRUE(visible(ControlId::AnswerBox));
    keys("S"); // works again on every card
    EXPECT_EQ(text(ControlId::AnswerLabel), answerText());

    keys("E");
    EXPECT_EQ(screen.problem() + text(ControlId::NextButton), "");
    EXPECT_FALSE(visible(ControlId::NextButton));
    EXPECT_FALSE(screen.flashTimerRunning);
    EXPECT_EQ(state().mode, PracticeMode::None);
    engine.timerTick();
    EXPECT_EQ(screen.problem(), "");
}

TEST_F(FlashCards, NeverCountAndNeverShowTheWrongAnswerMessage) {
    learn(3, 7);
    keys("EE1"); // a half typed Learn answer must not leak into the cards
    drill(1, 2);
    keys("E99");
    for (int i = 0; i < 10; ++i) {
        engine.timerTick();
        keys("1");
    }
    EXPECT_TRUE(screen.messages.empty());
    EXPECT_EQ(state().askedCount + state().correctCount, 0);
    EXPECT_EQ(text(ControlId::AnswerBox) + text(ControlId::TitleLabel) +
                  text(ControlId::StatusLabel),
              "");
}

TEST_F(FlashCards, TheLearnButtonEnablesTheAnswerBoxAgain) {
    drill(1, 2);
    keys("E");
    learn(1, 3);
    keys("E");
    EXPECT_TRUE(screen.isEnabled(ControlId::AnswerBox));
    EXPECT_FALSE(state().flashCards);
    keys("R");
    EXPECT_EQ(state().correctCount, 1);
}
