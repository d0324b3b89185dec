// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/LearnNumberList.h"
#include "dialogs/ProblemCount.h"
#include "dialogs/ResultsText.h"
#include "dialogs/TimeChoice.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
constexpr int intMax = std::numeric_limits<int>::max();

std::vector<std::string> numberTexts(int low, int high) {
    std::vector<std::string> texts;
    for (int number = low; number <= high; ++number) {
        texts.push_back(std::string(1, ' ').append(std::to_string(number)));
    }
    return texts;
}
} // namespace

TEST(LearnNumberList, RangeOfTheRememberedOperationAndTheNumberSelected) {
    struct Case {
        int lastOp;
        int lastNumber;
        int addSubLow, addSubHigh, mulDivLow, mulDivHigh;
        int operation; // checked
        int low, high; // of the list
        int selected;
    };
    const Case cases[] = {
        {0, 0, 1, 12, 1, 12, 1, 1, 12, -1}, // a new child
        {3, 7, 1, 20, 1, 9, 3, 1, 9, 6},
        {2, 7, 1, 20, 1, 9, 2, 1, 20, 6},
        {4, 7, 1, 20, 5, 9, 4, 5, 9, 2},
        {1, 12, 1, 12, 1, 12, 1, 1, 12, 11},
        {1, 13, 1, 12, 1, 12, 1, 1, 12, -1}, // outside the range: nothing selected
        {7, 3, 1, 12, 1, 12, 1, 1, 12, 2},   // not a Learn operation: Add
        {1, 3, 10, 5, 1, 12, 1, 10, 5, -1},
        {1, 5000, 1, intMax, 1, 12, 1, 1, maxLearnNumbers, -1}}; // cut to a short list
    for (const Case& c : cases) {
        StudentRecord student;
        student.lastLearnOp = c.lastOp;
        student.lastLearnNumber = c.lastNumber;
        student.addSubLow = c.addSubLow;
        student.addSubHigh = c.addSubHigh;
        student.mulDivLow = c.mulDivLow;
        student.mulDivHigh = c.mulDivHigh;
        const LearnListSetup setup = learnListSetup(student);
        EXPECT_EQ(setup.operation, c.operation) << c.lastOp << " " << c.lastNumber;
        EXPECT_EQ(setup.entries, numberTexts(c.low, c.high)) << c.lastOp << " " << c.lastNumber;
        EXPECT_EQ(setup.selectedIndex, c.selected) << c.lastOp << " " << c.lastNumber;
    }
}

TEST(TimeChoice, PreselectionAndFlashCardSeconds) {
    EXPECT_EQ(preselectedTimeIndex(10, 1), 1);
    EXPECT_EQ(preselectedTimeIndex(15, 9), 9);
    EXPECT_EQ(preselectedTimeIndex(5, 9), 4);
    EXPECT_EQ(preselectedTimeIndex(0, 1), -1);
    EXPECT_EQ(drillSecondsPerCard(false, "2"), 0);
    EXPECT_EQ(drillSecondsPerCard(true, "10"), 10);
    EXPECT_EQ(drillSecondsPerCard(true, ""), 0);
    EXPECT_EQ(drillSecondsPerCard(true, "-3"), 0);
}

TEST(ProblemCount, MinutesTimesTheRateOfTheKind) {
    struct Case {
        int minutes, kind, addSubPerMin, mulDivPerMin, count;
    };
    for (const Case c :
         {Case{10, 1, 12, 12, 120}, Case{5, 1, 9, 7, 45}, Case{5, 2, 9, 7, 45},
          Case{5, 6, 9, 7, 45}, Case{5, 3, 9, 7, 35}, Case{5, 4, 9, 7, 35}, Case{5, 7, 9, 7, 35},
          // Mixed: the mean of the rates, a half to the even neighbour
          Case{1, 5, 10, 15, 12}, Case{3, 5, 10, 15, 38}, Case{2, 5, 10, 15, 25},
          // odd rates
          Case{10, 1, 0, 12, 0}, Case{10, 3, 12, -4, 0}, Case{0, 1, 12, 12, 0},
          Case{30, 1, intMax, intMax, intMax}, Case{30, 5, intMax, intMax, intMax}}) {
        EXPECT_EQ(testProblemCount(c.minutes, c.kind, c.addSubPerMin, c.mulDivPerMin), c.count)
            << c.minutes << " minutes of kind " << c.kind;
    }
    EXPECT_EQ(problemCountText(120), "Number of problems = 120");
    EXPECT_EQ(problemCountText(0), "Number of problems = 0");
}

// A test of no problems still has a score (the caption and a score are the results window's
// snapshot).
TEST(ResultsText, NoProblemsScoreNothing) {
    EXPECT_EQ(resultsScoreText(0, 0), "Percent correct = 0.00\n 0 Correct out of 0");
}
