// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DisplayNumbers.h"

#include <QLocale>

#include <gtest/gtest.h>

// English keeps the program's own forms whatever its territory; a translation's locale gives
// its decimal sign and its short date with four-digit years, and no grouping anywhere. Halves
// round as the binary value lies (71.425 is just below) and a stored date no calendar has is
// still written.
TEST(DisplayNumbers, NumbersAndDatesFollowTheLanguage) {
    const struct {
        const char* locale;
        const char* numbers;
        const char* dates;
        DateOrder order;
        char separator;
    } cases[] = {
        {"C", "71.43 100.00 0.00 71.42 1234.5 2.500", "03-16-2006 00-00-1980",
         DateOrder::MonthDayYear, '-'},
        {"en_US", "71.43 100.00 0.00 71.42 1234.5 2.500", "03-16-2006 00-00-1980",
         DateOrder::MonthDayYear, '-'},
        {"en_DE", "71.43 100.00 0.00 71.42 1234.5 2.500", "03-16-2006 00-00-1980",
         DateOrder::MonthDayYear, '-'},
        {"de_DE", "71,43 100,00 0,00 71,42 1234,5 2,500", "16.03.2006 00.00.1980",
         DateOrder::DayMonthYear, '.'},
        {"fr_FR", "71,43 100,00 0,00 71,42 1234,5 2,500", "16/03/2006 00/00/1980",
         DateOrder::DayMonthYear, '/'},
        {"es_ES", "71,43 100,00 0,00 71,42 1234,5 2,500", "16/3/2006 00/00/1980",
         DateOrder::DayMonthYear, '/'},
    };
    const QLocale before;
    for (const auto& c : cases) {
        QLocale::setDefault(QLocale(c.locale));
        const QStringList numbers{displayPercent(5, 7),      displayPercent(7, 7),
                                  displayPercent(3, 0),      displayDecimal(71.425, 2),
                                  displayDecimal(1234.5, 1), displayDecimal(2.5, 3)};
        EXPECT_EQ(numbers.join(' '), c.numbers) << c.locale;
        EXPECT_EQ(displayDate(QDate(2006, 3, 16)) + ' ' + displayDate(1980, 0, 0), c.dates)
            << c.locale;
        EXPECT_EQ(displayDate(QDate()), "") << c.locale;
        EXPECT_EQ(displayDateForm().order, c.order) << c.locale;
        EXPECT_EQ(displayDateForm().separator, c.separator) << c.locale;
    }
    QLocale::setDefault(before);
}
