// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/FluencyMap.h"
#include "report/AnswerLimitChoice.h"
#include "report/FluencyMapText.h"

#include <gtest/gtest.h>

#include <climits>

namespace {
LoggedAnswer answer(int operation, int first, int second, bool right, std::uint32_t ms) {
    return {operation, first, second, right, false, ms, 0};
}
} // namespace

// A cell reads as its fact and state, with the last time for known and slow facts; the mark
// tells the state without its colour.
TEST(FluencyMapText, CellsReadAsFactStateAndTime) {
    const struct {
        FactFluency cell;
        const char* speech;
        const char* mark;
    } cases[] = {
        {{{7, 8, 3}, FactState::Slow, 5940}, "7 times 8: slow, 5.9 seconds", "~"},
        {{{7, 2, 3}, FactState::Known, 800}, "7 times 2: known, 0.8 seconds", "\u2713"},
        {{{3, 4, 3}, FactState::NotYet, 2000}, "3 times 4: not yet", "\u2717"},
        {{{9, 9, 3}, FactState::NotTried}, "9 times 9: not tried", "\u00B7"},
        {{{11, 4, 2}, FactState::Known, 1000}, "11 minus 4: known, 1.0 seconds", "\u2713"},
        {{{56, 8, 4}, FactState::NotYet}, "56 divided by 8: not yet", "\u2717"},
        {{{-2, 5, 1}, FactState::NotTried}, "-2 plus 5: not tried", "\u00B7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cellSpeech(c.cell).toStdString(), c.speech);
        EXPECT_EQ(stateMark(c.cell.state).toStdString(), c.mark);
    }
}

// Add and Sub span the Add/Sub range, Mult and Div the Mult/Div one (Div without 0 as the
// divisor); a huge range is capped, a backwards one has no cells, and the counts read as
// "Mult: 1 of 4 known". An empty log leaves every fact untried.
TEST(FluencyMap, GridsFollowTheChildsRanges) {
    StudentRecord student;
    student.addSubLow = 5;
    student.addSubHigh = 6;
    student.mulDivLow = 0;
    student.mulDivHigh = 1;
    AnswerLogContents log;
    for (int i = 0; i < 2; ++i) {
        log.answers.push_back(answer(3, 1, 1, true, 900));
        log.answers.push_back(answer(4, 1, 1, true, 9000)); // slow: over the 3-second limit
    }
    auto grids = fluencyMapGrids(student, log, 3000);
    EXPECT_EQ(grids[0].cells.size(), 4u);
    EXPECT_EQ(grids[1].cells.back().fact, (Problem{12, 6, 2}));
    EXPECT_EQ(grids[3].cells.size(), 2u); // 0 / 1 and 1 / 1
    EXPECT_EQ(grids[3].count(FactState::Slow), 1u);
    EXPECT_EQ(countLine(grids[2]).toStdString(), "Mult: 1 of 4 known");
    EXPECT_EQ(countLine(grids[0]).toStdString(), "Add: 0 of 4 known");
    EXPECT_EQ(grids[0].count(FactState::NotTried), 4u);

    student.addSubLow = INT_MAX;
    student.addSubHigh = INT_MAX;
    student.mulDivLow = -1000000;
    student.mulDivHigh = 1000000;
    grids = fluencyMapGrids(student, {}, 3000);
    EXPECT_EQ(grids[0].cells.size(), 500u * 500u); // held below the top of int
    EXPECT_EQ(grids[0].cells.front().fact, (Problem{INT_MAX - 500, INT_MAX - 500, 1}));
    EXPECT_EQ(grids[2].cells.size(), 500u * 500u);
    student.mulDivLow = 9;
    student.mulDivHigh = 2;
    EXPECT_TRUE(fluencyMapGrids(student, {}, 3000)[3].cells.empty());
}

// The newest grown-up choice is the limit shown, typing times never; the choices keep an odd
// current limit in its place so confirming the dialog does not change it.
TEST(AnswerLimitChoice, CurrentChoiceIsKeptAndNamed) {
    AnswerLogContents log;
    EXPECT_EQ(grownUpLimitMs(log), 0u);
    log.limits = {{LimitSource::GrownUp, 5000, 0}, {LimitSource::TypingTime, 1700, 0}};
    EXPECT_EQ(grownUpLimitMs(log), 5000u);
    log.limits.push_back({LimitSource::GrownUp, 0, 0});
    EXPECT_EQ(grownUpLimitMs(log), 0u);
    const std::vector<std::uint32_t> offered = {0, 2000, 3000, 4000, 5000, 6000, 8000, 10000};
    EXPECT_EQ(answerLimitChoicesMs(4000), offered);
    EXPECT_EQ(answerLimitChoicesMs(7500)[6], 7500u);
    EXPECT_EQ(answerLimitChoicesMs(UINT32_MAX).back(), UINT32_MAX);
    const std::pair<std::uint32_t, const char*> texts[] = {
        {0, "Automatic"},      {1000, "1 second"},      {4000, "4 seconds"},
        {7500, "7.5 seconds"}, {1234, "1.234 seconds"},
    };
    for (const auto& [ms, text] : texts) {
        EXPECT_EQ(answerLimitText(ms).toStdString(), text);
    }
}
