// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/Fluency.h"
#include "practice/FactPlan.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>

namespace {
struct Try {
    bool right;
    std::uint32_t ms;
    bool timedOut = false;
};

AnswerLogContents logOf(const std::vector<Try>& tries, int first = 6, int second = 7) {
    AnswerLogContents log;
    for (const Try& t : tries) {
        log.answers.push_back({3, first, second, t.right, t.timedOut, t.ms, 0});
    }
    return log;
}

FactState stateAfter(const std::vector<Try>& tries) {
    return fluencyGrid(logOf(tries), 3, 6, 6, 7, 7, answerLimitMs(500)).cells.at(0).state;
}
} // namespace

// The limit here is 3.5 s: 3 s and half a second of typing.
TEST(Fluency, TheLastTriesGiveTheState) {
    using S = FactState;
    const std::pair<std::vector<Try>, FactState> cases[] = {
        {{}, S::NotTried},
        {{{true, 1000}}, S::NotYet},
        {{{true, 1000}, {true, 3500}}, S::Known},
        {{{true, 3500}, {true, 1000}}, S::Known},
        {{{true, 1000}, {true, 3501}}, S::Slow},
        {{{false, 900}, {true, 1000}, {true, 1000}}, S::Known},
        {{{true, 1000}, {true, 1000}, {false, 800}}, S::NotYet},
        {{{true, 1000}, {true, 1000, true}}, S::NotYet},
        {{{true, 4000}, {true, 1000}}, S::NotYet},
        {{{false, 900}, {true, 9000}}, S::Slow},
    };
    for (const auto& [tries, state] : cases) {
        EXPECT_EQ(stateAfter(tries), state) << tries.size();
    }
    EXPECT_EQ(answerLimitMs(0xFFFFFFFFU), 0xFFFFFFFFU);
}

// The newest limit of each source counts; a grown-up's limit of 0 gives the measured one back,
// and compaction keeps just those newest ones.
TEST(Fluency, TheChildsLimitIsTheNewestChosenElseTheMeasuredOne) {
    using L = LimitSource;
    const std::pair<std::vector<LimitSetting>, std::uint32_t> cases[] = {
        {{}, 3000},
        {{{L::TypingTime, 800, 0}, {L::TypingTime, 600, 0}}, 3600},
        {{{L::GrownUp, 5000, 0}, {L::TypingTime, 600, 0}}, 5000},
        {{{L::GrownUp, 5000, 0}, {L::GrownUp, 0, 0}, {L::TypingTime, 700, 0}}, 3700},
    };
    for (const auto& [limits, expected] : cases) {
        AnswerLogContents log;
        log.limits = limits;
        EXPECT_EQ(childAnswerLimitMs(log), expected) << limits.size();
        EXPECT_EQ(childAnswerLimitMs(compactAnswers(log, 1)), expected) << limits.size();
        EXPECT_LE(compactAnswers(log, 1).limits.size(), 2U);
    }
}

TEST(Fluency, TheGridHoldsEachFactOfTheRangesOnce) {
    AnswerLogContents log; // 3 - 1, the cell (2, 1): right twice, then missed
    log.answers = {{2, 3, 1, true, false, 900, 0},
                   {2, 3, 1, true, false, 900, 0},
                   {2, 3, 1, false, false, 700, 0}};
    log.answers.push_back({4, 4, 2, true, false, 700, 0}); // 4 / 2: the cell (2, 2)
    log.summaries.push_back({4, 4, 2, 5, 2, 3000, 0});
    const std::tuple<int, std::vector<Problem>, std::string> cases[] = {
        {1, {{1, 1, 1}, {1, 2, 1}, {2, 1, 1}, {2, 2, 1}}, "0 of 4 known"},
        {2, {{2, 1, 2}, {3, 2, 2}, {3, 1, 2}, {4, 2, 2}}, "0 of 4 known"},
        {4, {{1, 1, 4}, {2, 2, 4}, {2, 1, 4}, {4, 2, 4}}, "0 of 4 known"},
    };
    for (const auto& [operation, facts, text] : cases) {
        const FluencyGrid grid = fluencyGrid(log, operation, 1, 2, 1, 2, 3000);
        ASSERT_EQ(grid.cells.size(), facts.size());
        for (std::size_t i = 0; i < facts.size(); ++i) {
            EXPECT_EQ(grid.cells[i].fact, facts[i]) << operation << " " << i;
        }
        EXPECT_EQ(knownCountText(grid).toStdString(), text);
    }
    const FluencyGrid sub = fluencyGrid(log, 2, 1, 2, 1, 2, 3000);
    EXPECT_EQ(sub.cells[2].state, FactState::NotYet);
    EXPECT_EQ(sub.cells[2].right, 2U);
    EXPECT_EQ(sub.cells[2].wrong, 1U);
    const FluencyGrid div = fluencyGrid(log, 4, 1, 2, 0, 2, 3000);
    EXPECT_EQ(div.cells.size(), 4U); // no cell divides by 0
    EXPECT_EQ(div.cells[3].right, 6U);
    EXPECT_EQ(div.cells[3].lastMilliseconds, 700U);
    EXPECT_EQ(div.count(FactState::NotYet), 1U);
    EXPECT_EQ(fluencyGrid(log, 3, 0, 12, 0, 12, 3000).cells.size(), 169U);
}

// Compaction keeps every fact's state, last time and counts.
TEST(Fluency, CompactionKeepsTheStates) {
    std::mt19937 random(5);
    AnswerLogContents log;
    for (int i = 0; i < 3000; ++i) {
        log.answers.push_back({3, static_cast<int>(random() % 6), static_cast<int>(random() % 6),
                               random() % 4 != 0, random() % 9 == 0,
                               static_cast<std::uint32_t>(random() % 6000), 100});
    }
    const FluencyGrid before = fluencyGrid(log, 3, 0, 5, 0, 5, 3000);
    for (const std::size_t keep : {2U, 8U}) {
        const AnswerLogContents compact = compactAnswers(log, keep);
        EXPECT_EQ(compact.answers.size(), 36U * keep);
        EXPECT_EQ(compactAnswers(compact, keep), compact);
        const FluencyGrid after = fluencyGrid(compact, 3, 0, 5, 0, 5, 3000);
        for (std::size_t i = 0; i < before.cells.size(); ++i) {
            EXPECT_EQ(after.cells[i].state, before.cells[i].state) << i;
            EXPECT_EQ(after.cells[i].lastMilliseconds, before.cells[i].lastMilliseconds) << i;
            EXPECT_EQ(after.cells[i].right, before.cells[i].right) << i;
            EXPECT_EQ(after.cells[i].wrong, before.cells[i].wrong) << i;
        }
    }
}

namespace {
// A grid of multiplication facts 1 x b, whose states are given by the letters: k known, u not
// yet, s slow, c not tried.
FluencyGrid gridOf(const std::string& states) {
    FluencyGrid grid{3, 1, 1, 0, static_cast<int>(states.size()) - 1, {}};
    const std::map<char, FactState> state = {{'k', FactState::Known},
                                             {'u', FactState::NotYet},
                                             {'s', FactState::Slow},
                                             {'c', FactState::NotTried}};
    for (std::size_t b = 0; b < states.size(); ++b) {
        grid.cells.push_back({{1, static_cast<int>(b), 3}, state.at(states[b])});
    }
    return grid;
}

// Runs the plan, answering W (wrong), S (slow) or R (right, also past the end of the
// answers), and gives the states of the facts asked, in order.
std::string run(const std::string& states, const std::string& answers) {
    FactPlan plan(gridOf(states), 42);
    std::string asked;
    while (const std::optional<Problem> problem = plan.next()) {
        const char given = asked.size() < answers.size() ? answers[asked.size()] : 'R';
        asked += states.at(static_cast<std::size_t>(problem->second));
        plan.answer(given == 'W'   ? AnswerOutcome::Wrong
                    : given == 'S' ? AnswerOutcome::Slow
                                   : AnswerOutcome::Right);
    }
    return asked;
}
} // namespace

TEST(FactPlan, AnswersInProblemsOut) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        // A fact to learn among six known ones, three times right.
        {"kkkkkkku", "", "ukkkkkkukkkkkku"},
        // Few known facts: fewer between its turns; none: asked again at once.
        {"kku", "", "ukkukku"},
        {"u", "", "uuu"},
        {"s", "", "sss"},
        // Missed: asked again three problems later; slow counts as missed.
        {"kkkkkkku", "W", "ukkkukkkkkkukkkkkku"},
        {"kkkkkkku", "RRRRRRRS", "ukkkkkkukkkukkkkkku"},
        // The check asks each new fact once; a missed one is then learned.
        {"cc", "", "cc"},
        {"kcc", "RW", "ccckcckcc"},
        {"cck", "W", "ccckcckcc"},
        // A known fact missed is learned again (the fact learned first is then a known one).
        {"kkku", "RW", "ukkkukkukkukk"},
        // Nothing to practise.
        {"kkk", "", ""},
    };
    for (const auto& [states, answers, asked] : cases) {
        EXPECT_EQ(run(states, answers), asked) << states << " " << answers;
    }
}

TEST(FactPlan, ChecksAndTeachesOnlyAFewFacts) {
    EXPECT_EQ(run(std::string(15, 'c'), ""), std::string(10, 'c'));
    FactPlan plan(gridOf("kkkkkkkuuuuuu"), 3);
    while (plan.next()) {
        plan.answer(AnswerOutcome::Right);
    }
    EXPECT_EQ(plan.learned().size(), 4U);
    FactPlan never(gridOf("kkuu"), 3);
    while (never.next()) {
        never.answer(AnswerOutcome::Wrong);
    }
    EXPECT_EQ(never.asked(), FactPlanOptions{}.maxProblems);
}

TEST(FactPlan, TheSeedChoosesTheOrder) {
    const auto order = [](std::uint64_t seed) {
        FactPlan plan(gridOf("cccccccccccc"), seed);
        std::vector<Problem> asked;
        while (const auto problem = plan.next()) {
            asked.push_back(*problem);
            plan.answer(AnswerOutcome::Right);
        }
        return asked;
    };
    EXPECT_EQ(order(1), order(1));
    EXPECT_NE(order(1), order(2));
}
