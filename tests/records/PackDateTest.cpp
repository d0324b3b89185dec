// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/PackDate.h"

#include <gtest/gtest.h>

// (year - 1980) x 512 + month x 32 + day in 16 bits; a year not written in four characters
// gets 2000 added; fields that are not numbers count as 0.
TEST(PackDate, PacksMonthDayYear) {
    const std::pair<std::string, int> cases[] = {
        {"03-15-2006", 13423},
        {"12/31/99", 61343},
        {"3/15/06", 13423},
        {"", 0},
        {"a-b-x", (2000 - 1980) * 512},
        {"5", (2000 - 1980) * 512 + 5 * 32},
        {"01-01-1979", static_cast<std::uint16_t>(-512 + 32 + 1)},
        {"01-01-2108", static_cast<std::uint16_t>(128 * 512 + 33)},
        {dateText(2026, 12, 6), (2026 - 1980) * 512 + 12 * 32 + 6}};
    for (const auto& [text, packed] : cases) {
        EXPECT_EQ(packDate(text), packed) << text;
    }
    EXPECT_EQ(dateText(2006, 3, 15), "03-15-2006");
}
