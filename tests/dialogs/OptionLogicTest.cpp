#include "dialogs/LearnNumberList.h"
#include "dialogs/ProblemCount.h"
#include "dialogs/TimeChoice.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
StudentRecord newChild() {
    StudentRecord student;
    student.addSubLow = 1;
    student.addSubHigh = 12;
    student.mulDivLow = 1;
    student.mulDivHigh = 12;
    student.mixedLow = 1;
    student.mixedHigh = 12;
    student.addSubPerMin = 12;
    student.mulDivPerMin = 12;
    return student;
}

std::vector<std::string> numberTexts(int low, int high) {
    std::vector<std::string> texts;
    for (int number = low; number <= high; ++number) {
        texts.push_back(" " + std::to_string(number));
    }
    return texts;
}
} // namespace

TEST(LearnNumberList, NewChildGetsAddOverTheAddSubRangeWithNothingSelected) {
    const LearnListSetup setup = learnListSetup(newChild());
    EXPECT_EQ(setup.operation, 1);
    EXPECT_EQ(setup.entries, numberTexts(1, 12));
    EXPECT_EQ(setup.selectedIndex, -1);
}

TEST(LearnNumberList, RemembersOperationAndNumber) {
    StudentRecord student = newChild();
    student.addSubHigh = 20;
    student.mulDivHigh = 9;
    student.lastLearnOp = 3;
    student.lastLearnNumber = 7;
    const LearnListSetup mult = learnListSetup(student);
    EXPECT_EQ(mult.operation, 3);
    EXPECT_EQ(mult.entries, numberTexts(1, 9));
    EXPECT_EQ(mult.selectedIndex, 6);

    student.lastLearnOp = 2;
    const LearnListSetup sub = learnListSetup(student);
    EXPECT_EQ(sub.operation, 2);
    EXPECT_EQ(sub.entries, numberTexts(1, 20));
    EXPECT_EQ(sub.selectedIndex, 6);

    student.lastLearnOp = 4;
    student.mulDivLow = 5;
    const LearnListSetup div = learnListSetup(student);
    EXPECT_EQ(div.entries, numberTexts(5, 9));
    EXPECT_EQ(div.selectedIndex, 2); // 7 - 5
}

TEST(LearnNumberList, NumberOutsideTheRangeSelectsNothing) {
    StudentRecord student = newChild();
    student.lastLearnOp = 1;
    for (int number : {0, 13, -1, 1000}) {
        student.lastLearnNumber = number;
        EXPECT_EQ(learnListSetup(student).selectedIndex, -1) << number;
    }
    student.lastLearnNumber = 12;
    EXPECT_EQ(learnListSetup(student).selectedIndex, 11);
}

TEST(LearnNumberList, DamagedValuesGiveAShortDefinedList) {
    StudentRecord student = newChild();
    student.lastLearnOp = 7; // not a Learn operation
    student.lastLearnNumber = 3;
    EXPECT_EQ(learnListSetup(student).operation, 1);
    EXPECT_EQ(learnListSetup(student).selectedIndex, 2);

    student.lastLearnOp = 1;
    student.addSubLow = 10;
    student.addSubHigh = 5;
    EXPECT_TRUE(learnListSetup(student).entries.empty());
    EXPECT_EQ(learnListSetup(student).selectedIndex, -1);

    student.addSubLow = 1;
    student.addSubHigh = std::numeric_limits<std::int32_t>::max();
    student.lastLearnNumber = 5000;
    const LearnListSetup huge = learnListSetup(student);
    EXPECT_EQ(huge.entries.size(), static_cast<std::size_t>(maxLearnNumbers));
    EXPECT_EQ(huge.entries.back(), " 1000");
    EXPECT_EQ(huge.selectedIndex, -1);

    student.addSubLow = std::numeric_limits<std::int32_t>::min();
    student.addSubHigh = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(learnListSetup(student).entries.front(), "-2147483648");
}

TEST(TimeChoice, PreselectionStaysInsideTheList) {
    EXPECT_EQ(preselectedTimeIndex(10, 1), 1);
    EXPECT_EQ(preselectedTimeIndex(15, 9), 9);
    EXPECT_EQ(preselectedTimeIndex(5, 9), 4);
    EXPECT_EQ(preselectedTimeIndex(0, 1), -1);
}

TEST(TimeChoice, FlashCardSecondsOnlyWhenTheBoxIsChecked) {
    EXPECT_EQ(drillSecondsPerCard(false, "2"), 0);
    EXPECT_EQ(drillSecondsPerCard(true, "2"), 2);
    EXPECT_EQ(drillSecondsPerCard(true, "10"), 10);
    EXPECT_EQ(drillSecondsPerCard(true, ""), 0);
    EXPECT_EQ(drillSecondsPerCard(true, "-3"), 0);
}

TEST(ProblemCount, MinutesTimesTheRateOfTheKind) {
    EXPECT_EQ(testProblemCount(10, 1, 12, 12), 120);
    EXPECT_EQ(testProblemCount(30, 1, 12, 12), 360);
    EXPECT_EQ(testProblemCount(30, 5, 12, 12), 360);
    for (int kind : {1, 2, 6}) {
        EXPECT_EQ(testProblemCount(5, kind, 9, 7), 45) << kind;
    }
    for (int kind : {3, 4, 7}) {
        EXPECT_EQ(testProblemCount(5, kind, 9, 7), 35) << kind;
    }
}

TEST(ProblemCount, MixedRoundsAHalfToEven) {
    EXPECT_EQ(testProblemCount(1, 5, 10, 15), 12); // 12.5
    EXPECT_EQ(testProblemCount(3, 5, 10, 15), 38); // 37.5
    EXPECT_EQ(testProblemCount(5, 5, 10, 15), 62); // 62.5
    EXPECT_EQ(testProblemCount(7, 5, 10, 15), 88); // 87.5
    EXPECT_EQ(testProblemCount(2, 5, 10, 15), 25);
}

TEST(ProblemCount, OddRatesGiveADefinedCount) {
    EXPECT_EQ(testProblemCount(10, 1, 0, 12), 0);
    EXPECT_EQ(testProblemCount(10, 3, 12, -4), 0);
    EXPECT_EQ(testProblemCount(0, 1, 12, 12), 0);
    const int most = std::numeric_limits<int>::max();
    EXPECT_EQ(testProblemCount(30, 1, most, most), most);
    EXPECT_EQ(testProblemCount(30, 5, most, most), most);
}

TEST(ProblemCount, LabelText) {
    EXPECT_EQ(problemCountText(120), "Number of problems = 120");
    EXPECT_EQ(problemCountText(0), "Number of problems = 0");
}
