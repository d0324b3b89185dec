// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DisplayNumbers.h"

#include "common/NumberText.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

bool displayFollowsLanguage() {
    const QLocale::Language language = QLocale().language();
    return language != QLocale::English && language != QLocale::C;
}

QString displayDecimal(double value, int decimals) {
    QLocale locale = displayFollowsLanguage() ? QLocale() : QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

QString displayPercent(long long correct, long long total) {
    return displayDecimal(percentValue(correct, total), 2);
}

namespace {
// The default locale's short date with the year widened to four digits: Qt writes German and
// Spanish years with two, which reads as a different century on a child's old results.
QString shortDateFormat() {
    static const QRegularExpression yearField(QStringLiteral("y+"));
    return QLocale().dateFormat(QLocale::ShortFormat).replace(yearField, QStringLiteral("yyyy"));
}

DateForm formOf(const QString& format) {
    const qsizetype day = format.indexOf(QLatin1Char('d'));
    const qsizetype month = format.indexOf(QLatin1Char('M'));
    const qsizetype year = format.indexOf(QLatin1Char('y'));
    DateForm form;
    if (year >= 0 && year < day && year < month) {
        form.order = DateOrder::YearMonthDay;
    } else if (day >= 0 && day < month) {
        form.order = DateOrder::DayMonthYear;
    }
    for (const QChar c : format) {
        if (!c.isLetter() && c != QLatin1Char('\'') && c.unicode() < 0x80) {
            form.separator = static_cast<char>(c.unicode());
            break;
        }
    }
    return form;
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Fields in the form's order, for a stored date no calendar has.
QString fieldsText(const DateForm& form, int year, int month, int day) {
    const QString yearText = QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
    QStringList fields{twoDigits(month), twoDigits(day), yearText};
    if (form.order == DateOrder::DayMonthYear) {
        fields = {twoDigits(day), twoDigits(month), yearText};
    } else if (form.order == DateOrder::YearMonthDay) {
        fields = {yearText, twoDigits(month), twoDigits(day)};
    }
    return fields.join(QLatin1Char(form.separator));
}
} // namespace

DateForm displayDateForm() {
    return displayFollowsLanguage() ? formOf(shortDateFormat()) : DateForm{};
}

QString displayDate(int year, int month, int day) {
    const QDate date(year, month, day);
    if (!displayFollowsLanguage() || !date.isValid()) {
        return fieldsText(displayDateForm(), year, month, day);
    }
    return QLocale().toString(date, shortDateFormat());
}

QString displayDate(const QDate& date) {
    return date.isValid() ? displayDate(date.year(), date.month(), date.day()) : QString();
}
