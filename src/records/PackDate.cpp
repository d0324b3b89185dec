// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/PackDate.h"

#include "common/NumberText.h"

#include <vector>

namespace {
std::vector<std::string_view> splitDateFields(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '-' || text[i] == '/' || text[i] == separator) {
            fields.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return fields;
}

// Where month, day and year stand among the fields of a typed date.
struct FieldPlaces {
    std::size_t month, day, year;
};

FieldPlaces placesOf(DateOrder order) {
    switch (order) {
    case DateOrder::DayMonthYear:
        return {1, 0, 2};
    case DateOrder::YearMonthDay:
        return {1, 2, 0};
    default:
        return {0, 1, 2};
    }
}

long long fieldValue(const std::vector<std::string_view>& fields, std::size_t index) {
    return index < fields.size() ? textToNumber(fields[index]) : 0;
}
} // namespace

namespace {
std::uint16_t packFields(long long year, long long month, long long day) {
    const long long packed = (year - 1980) * 512 + month * 32 + day;
    return static_cast<std::uint16_t>(packed & 0xFFFF);
}
} // namespace

std::uint16_t packDate(const QDate& date) {
    return packFields(date.year(), date.month(), date.day());
}

std::uint16_t packDate(std::string_view text, DateForm form) {
    if (text.empty()) {
        return 0;
    }
    const auto fields = splitDateFields(text, form.separator);
    const FieldPlaces at = placesOf(form.order);
    long long year = fieldValue(fields, at.year);
    const bool fourDigitYear = at.year < fields.size() && fields[at.year].size() == 4;
    if (!fourDigitYear) {
        year += 2000;
    }
    return packFields(year, fieldValue(fields, at.month), fieldValue(fields, at.day));
}
