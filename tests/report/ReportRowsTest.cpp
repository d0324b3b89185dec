// SPDX-License-Identifier: GPL-3.0-or-later
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

// Percent is the number text's (its rounding is tested there); correct over total keeps the
// sign places; a record of 0 problems gives a defined cell.
TEST(FormatResult, WritesEachModeOfAResult) {
    const struct {
        int problems, correct;
        ReportMode mode;
        const char* expected;
    } cases[] = {
        {10, 7, ReportMode::Percent, "70.00"},
        {0, 5, ReportMode::Percent, "0.00"},
        {0, 5, ReportMode::CorrectOfTotal, " 5 / 0"},
        {10, 7, ReportMode::CorrectOfTotal, " 7 / 10"},
        {-3, -1, ReportMode::CorrectOfTotal, "-1 /-3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatResult(score(0, 1, c.problems, c.correct), c.mode), c.expected)
            << c.correct << " of " << c.problems;
    }
}

// Kinds 1 to 7 fill their own column (Mixed the fifth, MultDiv the last); others none.
TEST(ReportCells, EachKindFillsItsOwnColumn) {
    for (int kind : {0, 1, 2, 3, 4, 5, 6, 7, 8, 255}) {
        QStringList expected = {"03-15-2006"};
        for (int column = 1; column <= 7; ++column) {
            expected << (column == kind ? "50.00" : "");
        }
        EXPECT_EQ(reportCells(score(13423, kind, 4, 2), ReportMode::Percent), expected) << kind;
    }
}

// A screen reader hears a row once: the date, the result under its column's heading, and
// nothing for the empty columns.
TEST(CellSpeech, EachCellSaysItselfAndTheRowIsShort) {
    const QStringList cells = reportCells(score(13423, 1, 7, 5), ReportMode::CorrectOfTotal);
    EXPECT_EQ(cellSpeech(cells, 0), "03-15-2006");
    EXPECT_EQ(cellSpeech(cells, 1), "Add 5 / 7");
    EXPECT_EQ(cellSpeech(cells, 7), "");
    EXPECT_EQ(rowSpeech(cells), "03-15-2006, Add 5 / 7");
    EXPECT_EQ(rowSpeech(reportCells(score(0, 9, 1, 1), ReportMode::Percent)),
              "00-00-1980"); // a kind without a column
}
