// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/PackDate.h"

#include "common/NumberText.h"

#include <cstdio>
#include <vector>

namespace {
std::vector<std::string_view> splitDateFields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '-' || text[i] == '/') {
            fields.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return fields;
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

std::uint16_t packDate(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto fields = splitDateFields(text);
    const long long month = fieldValue(fields, 0);
    const long long day = fieldValue(fields, 1);
    long long year = fieldValue(fields, 2);
    const bool fourDigitYear = fields.size() > 2 && fields[2].size() == 4;
    if (!fourDigitYear) {
        year += 2000;
    }
    return packFields(year, month, day);
}

std::string dateText(int year, int month, int day) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d-%02d-%04d", month, day, year);
    return buffer;
}
