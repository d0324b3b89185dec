#include "practice/PracticeTexts.h"

#include <gtest/gtest.h>

TEST(PracticeTexts, TitleAndCountLinesWithTheirBlanks) {
    EXPECT_EQ(learnTitle(7, 1), "Learning for number 7  (Add)");
    EXPECT_EQ(learnTitle(7, 3), "Learning for number 7  (Mult)");
    EXPECT_EQ(learnTitle(-2, 2), "Learning for number-2  (Sub)");
    EXPECT_EQ(drillTitle(5), "Drill Mode - Mixed");
    EXPECT_EQ(drillTitle(7), "Drill Mode - Mult/Div");
    EXPECT_EQ(countLine(3, 4), "  (3 correct out of 4)");
    EXPECT_EQ(testTitle(1, 3, 4), "Test Mode - Add  (3 correct out of 4)");
    EXPECT_EQ(testTitle(6, 0, 0), "Test Mode - Add/Sub  (0 correct out of 0)");
}

TEST(PracticeTexts, WrongAnswerTexts) {
    EXPECT_EQ(wrongAnswerBody(14), "\r\n  Correct answer is:  14");
    EXPECT_EQ(wrongAnswerBody(-1), "\r\n  Correct answer is: -1");
    const WrongAnswer entry = wrongAnswerEntry(Problem{7, 8, 3}, "54");
    EXPECT_EQ(entry.problemText, " 7  x  8  =  54");
    EXPECT_EQ(entry.correctText, " 56");
    EXPECT_EQ(wrongAnswerEntry(Problem{12, 4, 4}, "").problemText, " 12  /  4  =  ");
}
