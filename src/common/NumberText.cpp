// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

std::string numberWithSign(long long value) {
    // Built by inserting the blank rather than by `" " + text`: g++ 12 at -O3 reports a false
    // -Wrestrict on that concatenation.
    std::string text = std::to_string(value);
    if (value >= 0)
        text.insert(text.begin(), ' ');
    return text;
}

std::string numberPlain(long long value) {
    return std::to_string(value);
}

double roundHalfEven(double value) {
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads "[sign]digits[.digits]" or "[sign].digits" from the start of text; false when
// there is no digit.
bool readDecimal(std::string_view text, double& value) {
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    bool anyDigit = false;
    double result = 0.0;
    while (pos < text.size() && isDigit(text[pos])) {
        result = result * 10.0 + (text[pos] - '0');
        anyDigit = true;
        ++pos;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        double scale = 0.1;
        while (pos < text.size() && isDigit(text[pos])) {
            result += (text[pos] - '0') * scale;
            scale /= 10.0;
            anyDigit = true;
            ++pos;
        }
    }
    value = negative ? -result : result;
    return anyDigit;
}
} // namespace

std::int32_t textToNumber(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) {
        ++start;
    }
    double value = 0.0;
    if (!readDecimal(text.substr(start), value)) {
        return 0;
    }
    const double rounded = roundHalfEven(value);
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (!(rounded >= low)) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (rounded > high) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(rounded);
}

std::string formatPercent(double value) {
    // to_chars, unlike printf, never follows the locale: the point stays a full stop.
    char buffer[400]; // room for the largest double written in full
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr);
}

double percentValue(long long correct, long long total) {
    if (total == 0) {
        return 0.0;
    }
    return static_cast<double>(correct) / static_cast<double>(total) * 100.0;
}

std::string percentText(long long correct, long long total) {
    return formatPercent(percentValue(correct, total));
}
