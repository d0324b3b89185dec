// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NumberText.h"

#include <clocale>
#include <gtest/gtest.h>

// The number at the start of a text, halves to the even neighbour, held at the 32-bit ends.
TEST(NumberText, TextsAreReadAsNumbers) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {" 12", 12},
        {"   7 apples", 7},
        {"-4 ", -4},
        {"", 0},
        {"x12", 0},
        {"2.5", 2},
        {"3.5", 4},
        {"6.51", 7},
        {"-2.5", -2},
        {"12a", 12},
        {"+5", 5},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"-99999999999999999999", -2147483647 - 1}};
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(textToNumber(text), number) << '"' << text << '"';
    }
}

// The mask "0.00" writes a full stop in every locale (printf follows LC_NUMERIC: 66,67).
TEST(NumberText, PercentMaskIsTheSameInEveryLocale) {
    for (const char* locale : {"C", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, locale) == nullptr) {
            std::setlocale(LC_ALL, "C");
            GTEST_SKIP() << locale << " is not installed (localedef -i de_DE -f UTF-8 ...)";
        }
        const std::pair<std::string, std::string> cases[] = {
            {percentText(17, 20), "85.00"},     {percentText(2, 3), "66.67"},
            {percentText(3, 0), "0.00"},        {formatPercent(0.5), "0.50"},
            {formatPercent(1234.5), "1234.50"}, {std::to_string(textToNumber("7.5")), "8"}};
        for (const auto& [text, expected] : cases) {
            EXPECT_EQ(text, expected) << locale;
        }
    }
    std::setlocale(LC_ALL, "C");
}
