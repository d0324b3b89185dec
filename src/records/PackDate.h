// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

#include <cstdint>
#include <string>
#include <string_view>

// Packs a date written month-day-year (fields split at "-" or "/") into the 16 bits of a
// score record: (year - 1980) x 512 + month x 32 + day. A year field that is not four
// characters long gets 2000 added; an empty text gives 0.
std::uint16_t packDate(std::string_view text);

// The same packing for a date the program has as a date (today's, for a test just taken).
std::uint16_t packDate(const QDate& date);

// Today's date as the program writes it: two-digit month, "-", two-digit day, "-",
// four-digit year.
std::string dateText(int year, int month, int day);
