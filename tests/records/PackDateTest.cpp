// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/PackDate.h"

#include <QLocale>

#include <gtest/gtest.h>

// (year - 1980) x 512 + month x 32 + day in 16 bits, the fields read in the order dates are
// shown; a year not written in four characters gets 2000 added; fields that are not numbers
// count as 0. English splits at "-" and "/" only, as it always has.
TEST(PackDate, PacksTheFieldsInTheOrderTheyAreShown) {
    const DateForm english;
    const DateForm german{DateOrder::DayMonthYear, '.'};
    const DateForm yearFirst{DateOrder::YearMonthDay, '-'};
    const std::tuple<DateForm, std::string, int> cases[] = {
        {english, "03-15-2006", 13423},
        {english, "12/31/99", 61343},
        {english, "3/15/06", 13423},
        {english, "", 0},
        {english, "a-b-x", (2000 - 1980) * 512},
        {english, "5", (2000 - 1980) * 512 + 5 * 32},
        {english, "3.15.06", (2000 - 1980) * 512 + 3 * 32},
        {english, "01-01-1979", static_cast<std::uint16_t>(-512 + 32 + 1)},
        {english, "01-01-2108", static_cast<std::uint16_t>(128 * 512 + 33)},
        {german, "15.03.2006", 13423},
        {german, "15.3.06", 13423},
        {german, "15/03/2006", 13423},
        {german, "31-12-99", 61343},
        {german, "", 0},
        {german, "15", (2000 - 1980) * 512 + 15},
        {german, "x.3.2006", (2006 - 1980) * 512 + 3 * 32},
        {yearFirst, "2006-03-15", 13423},
    };
    for (const auto& [form, text, packed] : cases) {
        EXPECT_EQ(packDate(text, form), packed) << text;
    }
}

// The date the Save Test Score dialog shows reads back as that date in every language.
TEST(PackDate, TheDateShownReadsBackAsItself) {
    const QLocale before;
    for (const char* name : {"C", "en_US", "de_DE", "fr_FR", "es_ES"}) {
        QLocale::setDefault(QLocale(name));
        const std::string shown = displayDate(QDate(2006, 3, 16)).toStdString();
        EXPECT_EQ(packDate(shown, displayDateForm()), packDate(QDate(2006, 3, 16))) << shown;
    }
    QLocale::setDefault(before);
}
