#include "PracticeFixture.h"

#include <set>
#include <tuple>

namespace {
class Drill : public PracticeFixture {
protected:
    std::tuple<int, int, int> shown() const {
        const Problem& p = engine.state().current;
        return {p.first, p.second, p.operation};
    }
};
} // namespace

TEST_F(Drill, FirstRightAnswerShowsTheCountLine) {
    drill(1);
    enter();
    EXPECT_EQ(text(ControlId::TitleLabel), "Drill Mode - Add");
    typeRightAnswer();
    EXPECT_EQ(text(ControlId::TitleLabel), "  (1 correct out of 1)");
    enter();
    EXPECT_EQ(text(ControlId::TitleLabel), "Drill Mode - Add");
}

TEST_F(Drill, CountLineIsVisibleWhileTheWrongAnswerMessageIsOpen) {
    drill(1);
    enter();
    typeRightAnswer();
    enter();
    typeWrongAnswer();
    ASSERT_EQ(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].titleWhileOpen, "  (1 correct out of 2)");
    EXPECT_EQ(text(ControlId::TitleLabel), "Drill Mode - Add");
}

TEST_F(Drill, MixAllTitleNamesTheKindForEveryProblem) {
    drill(5);
    enter();
    std::set<int> operations;
    for (int i = 0; i < 60; ++i) {
        enter();
        EXPECT_EQ(text(ControlId::TitleLabel), "Drill Mode - Mixed");
        operations.insert(engine.state().current.operation);
    }
    EXPECT_EQ(operations.size(), 4u);
}

TEST_F(Drill, ContinuesWithANewOrderWhenTheListIsUsedUp) {
    drill(1);
    std::vector<std::tuple<int, int, int>> firstRound;
    for (int i = 0; i < 144; ++i) {
        enter();
        firstRound.push_back(shown());
        clock.advance(0.37);
    }
    EXPECT_EQ(std::set(firstRound.begin(), firstRound.end()).size(), 144u);
    std::vector<std::tuple<int, int, int>> secondRound;
    for (int i = 0; i < 144; ++i) {
        enter();
        secondRound.push_back(shown());
    }
    EXPECT_EQ(std::set(secondRound.begin(), secondRound.end()).size(), 144u);
    EXPECT_NE(firstRound, secondRound);
}

TEST_F(Drill, ShowAllAnswersOfTheLastLearnRunAppliesToDrills) {
    learn(1, 2, true);
    drill(3);
    enter();
    enter();
    EXPECT_EQ(text(ControlId::AnswerLabel), answerText());
    EXPECT_FALSE(visible(ControlId::ShowAnswerButton));
}

TEST_F(Drill, TwoDrillsAMomentApartHaveDifferentOrders) {
    drill(3);
    auto first = engine.state().problemList;
    clock.advance(0.5);
    drill(3);
    EXPECT_NE(first, engine.state().problemList);
}

class FlashCards : public PracticeFixture {};

TEST_F(FlashCards, ThreeSecondCardsShowAnswerAndStop) {
    drill(1, 3);
    EXPECT_EQ(text(ControlId::NextButton), "Enter --> Begin");
    EXPECT_EQ(text(ControlId::TitleLabel), "");
    enter();
    EXPECT_EQ(text(ControlId::NextButton), "Stop");
    EXPECT_TRUE(screen.flashTimerRunning);
    EXPECT_EQ(screen.flashPeriodMs, 3000);
    EXPECT_TRUE(visible(ControlId::AnswerBox));
    EXPECT_EQ(screen.disabled.count(ControlId::AnswerBox), 1u);
    EXPECT_EQ(engine.state().problemIndex, 1);
    const std::string firstCard = screen.problem();
    EXPECT_NE(firstCard, "");

    space();
    EXPECT_EQ(text(ControlId::AnswerLabel), answerText());
    EXPECT_FALSE(visible(ControlId::AnswerBox));

    engine.timerTick(); // flashTimer fires
    EXPECT_EQ(engine.state().problemIndex, 2);
    EXPECT_EQ(text(ControlId::AnswerLabel), "");
    EXPECT_TRUE(visible(ControlId::AnswerBox));
    space(); // works again on every card
    EXPECT_EQ(text(ControlId::AnswerLabel), answerText());

    enter();
    EXPECT_EQ(screen.problem(), "");
    EXPECT_EQ(text(ControlId::NextButton), "");
    EXPECT_FALSE(visible(ControlId::NextButton));
    EXPECT_FALSE(screen.flashTimerRunning);
    EXPECT_EQ(engine.state().mode, PracticeMode::None);
    engine.timerTick();
    EXPECT_EQ(screen.problem(), "");
}

TEST_F(FlashCards, NeverCountAndNeverShowTheWrongAnswerMessage) {
    learn(3, 7);
    enter();
    enter();
    screen.type("1"); // a half typed Learn answer must not leak into the cards
    drill(1, 2);
    enter();
    screen.type("99");
    for (int i = 0; i < 10; ++i) {
        engine.timerTick();
        screen.type("1");
    }
    EXPECT_TRUE(screen.messages.empty());
    EXPECT_EQ(engine.state().askedCount, 0);
    EXPECT_EQ(engine.state().correctCount, 0);
    EXPECT_EQ(text(ControlId::AnswerBox), "");
    EXPECT_EQ(text(ControlId::TitleLabel), "");
    EXPECT_EQ(text(ControlId::StatusLabel), "");
}

TEST_F(FlashCards, TheLearnButtonEnablesTheAnswerBoxAgain) {
    drill(1, 2);
    enter();
    learn(1, 3);
    enter();
    EXPECT_EQ(screen.disabled.count(ControlId::AnswerBox), 0u);
    EXPECT_FALSE(engine.state().flashCards);
    typeRightAnswer();
    EXPECT_EQ(engine.state().correctCount, 1);
}

TEST_F(FlashCards, TicksBeforeTheFirstCardDoNothing) {
    drill(1, 3);
    engine.timerTick();
    EXPECT_EQ(screen.problem(), "");
    EXPECT_EQ(text(ControlId::NextButton), "Enter --> Begin");
}
