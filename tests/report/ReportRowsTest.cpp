#include "report/ReportRows.h"

#include <gtest/gtest.h>

namespace {
ScoreRecord record(std::uint16_t date, int kind, int problems, int correct) {
    ScoreRecord r;
    r.date = date;
    r.kind = static_cast<std::uint8_t>(kind);
    r.problems = static_cast<std::int16_t>(problems);
    r.correct = static_cast<std::int16_t>(correct);
    return r;
}
} // namespace

TEST(FormatScoreDate, WritesMonthDayYearWithTwoDigitFields) {
    EXPECT_EQ(formatScoreDate(13423), "03-15-2006");
    EXPECT_EQ(formatScoreDate(0), "00-00-1980");
    EXPECT_EQ(formatScoreDate(61343), "12-31-2099");
    // All bits set: month 15, day 31, year 1980 + 127; nothing is checked or cut.
    EXPECT_EQ(formatScoreDate(0xFFFF), "15-31-2107");
}

TEST(FormatResult, PercentUsesTheMaskWithTwoDecimals) {
    EXPECT_EQ(formatResult(record(0, 1, 10, 7), ReportMode::Percent), "70.00");
    EXPECT_EQ(formatResult(record(0, 1, 3, 2), ReportMode::Percent), "66.67");
    EXPECT_EQ(formatResult(record(0, 1, 10, 10), ReportMode::Percent), "100.00");
    EXPECT_EQ(formatResult(record(0, 1, 65, 70), ReportMode::Percent), "107.69");
    EXPECT_EQ(formatResult(record(0, 1, 8, 0), ReportMode::Percent), "0.00");
    EXPECT_EQ(formatResult(record(0, 1, 3, 1), ReportMode::Percent), "33.33");
}

TEST(FormatResult, ZeroProblemsGiveADefinedCell) {
    EXPECT_EQ(formatResult(record(0, 1, 0, 0), ReportMode::Percent), "0.00");
    EXPECT_EQ(formatResult(record(0, 1, 0, 5), ReportMode::Percent), "0.00");
    EXPECT_EQ(formatResult(record(0, 1, 0, 5), ReportMode::CorrectOfTotal), " 5 / 0");
}

TEST(FormatResult, CorrectOfTotalKeepsTheSignPlaces) {
    EXPECT_EQ(formatResult(record(0, 1, 10, 7), ReportMode::CorrectOfTotal), " 7 / 10");
    EXPECT_EQ(formatResult(record(0, 4, 20, 18), ReportMode::CorrectOfTotal), " 18 / 20");
    EXPECT_EQ(formatResult(record(0, 4, -3, -1), ReportMode::CorrectOfTotal), "-1 /-3");
}

TEST(ReportRow, DivisionResultSitsInTheFourthCell) {
    const ScoreRecord div = record(13423, 4, 20, 18);
    EXPECT_EQ(reportRow(div, ReportMode::Percent), "\t03-15-2006\t\t\t\t90.00\t\t\t");
    EXPECT_EQ(reportRow(div, ReportMode::CorrectOfTotal), "\t03-15-2006\t\t\t\t 18 / 20\t\t\t");
}

TEST(ReportRow, EachKindFillsItsOwnColumn) {
    const char* const expected[] = {
        "\t03-15-2006\t50.00\t\t\t\t\t\t", "\t03-15-2006\t\t50.00\t\t\t\t\t",
        "\t03-15-2006\t\t\t50.00\t\t\t\t", "\t03-15-2006\t\t\t\t50.00\t\t\t",
        "\t03-15-2006\t\t\t\t\t50.00\t\t", "\t03-15-2006\t\t\t\t\t\t50.00\t",
        "\t03-15-2006\t\t\t\t\t\t\t50.00",
    };
    for (int kind = 1; kind <= 7; ++kind) {
        EXPECT_EQ(reportRow(record(13423, kind, 4, 2), ReportMode::Percent), expected[kind - 1])
            << "kind " << kind;
    }
}

TEST(ReportRow, KindOutsideOneToSevenShowsOnlyTheDate) {
    EXPECT_EQ(reportRow(record(13423, 0, 10, 7), ReportMode::Percent),
              "\t03-15-2006\t\t\t\t\t\t\t");
    EXPECT_EQ(reportRow(record(0, 8, 10, 7), ReportMode::CorrectOfTotal),
              "\t00-00-1980\t\t\t\t\t\t\t");
    EXPECT_EQ(reportRow(record(0, 255, 10, 7), ReportMode::Percent), "\t00-00-1980\t\t\t\t\t\t\t");
}

TEST(ReportRows, KeepStoredOrderAndCount) {
    std::vector<ScoreRecord> history;
    for (int i = 1; i <= 1000; ++i) {
        history.push_back(record(static_cast<std::uint16_t>(13423 + (i % 10)), 1 + i % 7, 10, 5));
    }
    const auto rows = reportRows(history, ReportMode::Percent);
    ASSERT_EQ(rows.size(), 1000u);
    EXPECT_EQ(rows.front(), reportRow(history.front(), ReportMode::Percent));
    EXPECT_EQ(rows[499], reportRow(history[499], ReportMode::Percent));
    EXPECT_EQ(rows.back(), reportRow(history.back(), ReportMode::Percent));
    EXPECT_TRUE(reportRows({}, ReportMode::CorrectOfTotal).empty());
}
