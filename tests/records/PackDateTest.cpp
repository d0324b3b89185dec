#include "records/PackDate.h"

#include <gtest/gtest.h>

TEST(PackDate, WorkedExamples) {
    EXPECT_EQ(packDate("03-15-2006"), 13423);
    EXPECT_EQ(packDate("12/31/99"), 61343);
    EXPECT_EQ(packDate("3/15/06"), 13423);
    EXPECT_EQ(packDate(""), 0);
}

TEST(PackDate, FieldsThatAreNotNumbersCountAsZero) {
    // month 0, day 0, year "x" is not four characters: 2000
    EXPECT_EQ(packDate("a-b-x"), (2000 - 1980) * 512);
    EXPECT_EQ(packDate("5"), (2000 - 1980) * 512 + 5 * 32); // no day and no year
}

TEST(PackDate, OutOfRangeDatesAreKeptTo16Bits) {
    EXPECT_EQ(packDate("01-01-1979"), static_cast<std::uint16_t>(-512 + 32 + 1));
    EXPECT_EQ(packDate("01-01-2108"), static_cast<std::uint16_t>(128 * 512 + 33));
}

TEST(PackDate, TodayIsWrittenMonthDayYear) {
    EXPECT_EQ(dateText(2006, 3, 15), "03-15-2006");
    EXPECT_EQ(packDate(dateText(2026, 12, 6)), (2026 - 1980) * 512 + 12 * 32 + 6);
}
