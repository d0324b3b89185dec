#include "report/ReportRows.h"
#include "ReportTestData.h"

#include <gtest/gtest.h>

TEST(FormatScoreDate, WritesMonthDayYearWithTwoDigitFields) {
    EXPECT_EQ(formatScoreDate(13423), "03-15-2006");
    EXPECT_EQ(formatScoreDate(0), "00-00-1980");
    EXPECT_EQ(formatScoreDate(61343), "12-31-2099");
    // All bits set: month 15, day 31, year 1980 + 127; nothing is checked or cut.
    EXPECT_EQ(formatScoreDate(0xFFFF), "15-31-2107");
}

// Percent uses the mask "0.00"; correct over total keeps the sign places; a record of 0
// problems gives a defined cell.
TEST(FormatResult, WritesEachModeOfAResult) {
    const struct {
        int problems, correct;
        ReportMode mode;
        const char* expected;
    } cases[] = {
        {10, 7, ReportMode::Percent, "70.00"},
        {3, 2, ReportMode::Percent, "66.67"},
        {10, 10, ReportMode::Percent, "100.00"},
        {65, 70, ReportMode::Percent, "107.69"},
        {8, 0, ReportMode::Percent, "0.00"},
        {3, 1, ReportMode::Percent, "33.33"},
        {0, 0, ReportMode::Percent, "0.00"},
        {0, 5, ReportMode::Percent, "0.00"},
        {0, 5, ReportMode::CorrectOfTotal, " 5 / 0"},
        {10, 7, ReportMode::CorrectOfTotal, " 7 / 10"},
        {20, 18, ReportMode::CorrectOfTotal, " 18 / 20"},
        {-3, -1, ReportMode::CorrectOfTotal, "-1 /-3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatResult(score(0, 1, c.problems, c.correct), c.mode), c.expected)
            << c.correct << " of " << c.problems;
    }
}

TEST(ReportRow, DivisionResultSitsInTheFourthCell) {
    const ScoreRecord div = score(13423, 4, 20, 18);
    EXPECT_EQ(reportRow(div, ReportMode::Percent), "\t03-15-2006\t\t\t\t90.00\t\t\t");
    EXPECT_EQ(reportRow(div, ReportMode::CorrectOfTotal), "\t03-15-2006\t\t\t\t 18 / 20\t\t\t");
}

// Kinds 1 to 7 fill their own column (Mixed the fifth, MultDiv the last); others none.
TEST(ReportRow, EachKindFillsItsOwnColumn) {
    for (int kind : {0, 1, 2, 3, 4, 5, 6, 7, 8, 255}) {
        std::string expected = "\t03-15-2006";
        for (int column = 1; column <= 7; ++column) {
            expected += column == kind ? "\t50.00" : "\t";
        }
        EXPECT_EQ(reportRow(score(13423, kind, 4, 2), ReportMode::Percent), expected) << kind;
    }
    EXPECT_EQ(reportRow(score(0, 8, 10, 7), ReportMode::CorrectOfTotal),
              "\t00-00-1980\t\t\t\t\t\t\t");
}

TEST(ReportRows, KeepStoredOrderAndCount) {
    std::vector<ScoreRecord> history;
    for (int i = 1; i <= 1000; ++i) {
        history.push_back(score(static_cast<std::uint16_t>(13423 + (i % 10)), 1 + i % 7, 10, 5));
    }
    const auto rows = reportRows(history, ReportMode::Percent);
    ASSERT_EQ(rows.size(), 1000u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i], reportRow(history[i], ReportMode::Percent)) << i;
    }
    EXPECT_TRUE(reportRows({}, ReportMode::CorrectOfTotal).empty());
}
