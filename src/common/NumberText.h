// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Conversions between numbers and the texts the program shows and reads.

// A number with its sign place: a blank before a non-negative number, "-" before a
// negative one (12 gives " 12", -3 gives "-3").
std::string numberWithSign(long long value);

// A number in plain decimal digits, "-" when negative, no blanks (12 gives "12").
std::string numberPlain(long long value);

// Rounds to the nearest whole number, a half going to the even neighbour.
double roundHalfEven(double value);

// The value of the number at the start of a text: leading blanks are skipped, an optional
// sign, digits and a fraction are read, and the result is rounded half to even. A text
// that does not start with a number gives 0. Values beyond the 32-bit range are held at
// its ends, so any typed text has a defined result.
std::int32_t textToNumber(std::string_view text);

// A percentage written with the mask "0.00": at least one digit before the point and
// exactly two after it, the point a full stop in every locale.
std::string formatPercent(double value);

// correct / total x 100; a total of 0 gives 0 rather than a division by zero.
double percentValue(long long correct, long long total);

// percentValue with the mask "0.00".
std::string percentText(long long correct, long long total);
