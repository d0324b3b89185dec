#include "dialogs/ResultsText.h"

#include <gtest/gtest.h>

TEST(ResultsText, CaptionCountsTheRecordsHeld) {
    EXPECT_EQ(resultsCaption(4), "Test 4 Results");
    EXPECT_EQ(resultsCaption(0), "Test 0 Results");
    EXPECT_EQ(resultsCaption(999), "Test 999 Results");
}

TEST(ResultsText, ScoreLines) {
    EXPECT_EQ(resultsScoreText(17, 20), "Percent correct = 85.00\r\n 17 Correct out of 20");
    EXPECT_EQ(resultsScoreText(2, 3), "Percent correct = 66.67\r\n 2 Correct out of 3");
    EXPECT_EQ(resultsScoreText(5, 20), "Percent correct = 25.00\r\n 5 Correct out of 20");
    EXPECT_EQ(resultsScoreText(12, 12), "Percent correct = 100.00\r\n 12 Correct out of 12");
    EXPECT_EQ(resultsScoreText(0, 20), "Percent correct = 0.00\r\n 0 Correct out of 20");
}

TEST(ResultsText, TestOfNoProblemsShowsZeroPercent) {
    EXPECT_EQ(resultsScoreText(0, 0), "Percent correct = 0.00\r\n 0 Correct out of 0");
}
