// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

// Numbers with a fraction and dates as the user reads them, on screen and on paper. In English
// (the default locale's language is English or C) they keep the program's own forms: a full
// stop before the decimals and month-day-year dates ("71.43", "03-16-2006"). In a translation
// they follow the default locale, which the translation sets: a decimal comma in German, French
// and Spanish, and the language's numeric short date with a four-digit year ("16.03.2006").
// Whole numbers are never grouped. Files never use these: they keep the English forms whatever
// the language.

// True when the default locale is a translation's rather than English.
bool displayFollowsLanguage();

// value with exactly `decimals` digits after the decimal sign, rounded to the nearest.
QString displayDecimal(double value, int decimals);

// correct / total x 100 with two decimals; a total of 0 gives 0.
QString displayPercent(long long correct, long long total);

// A date by its fields as stored, with two-digit day and month and a four-digit year. Fields
// that make no calendar date (month 0 or 15) are still written, in the language's order.
QString displayDate(int year, int month, int day);
// The same for a date; an invalid date gives an empty text.
QString displayDate(const QDate& date);

// The order in which a date's fields are written and read.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };
struct DateForm {
    DateOrder order = DateOrder::MonthDayYear;
    char separator = '-'; // between the fields when written
};
// How displayDate writes a date now: English month-day-year with "-"; in a translation, the
// order and separator of the default locale's short date.
DateForm displayDateForm();
