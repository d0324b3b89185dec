// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/DisplayNumbers.h"

#include <QDate>

#include <cstdint>
#include <string>
#include <string_view>

// Packs a date typed in the form's order (fields split at "-", "/" or the form's separator)
// into the 16 bits of a score record: (year - 1980) x 512 + month x 32 + day. A year field that
// is not four characters long gets 2000 added; an empty text gives 0. The English form reads
// month-day-year split at "-" or "/".
std::uint16_t packDate(std::string_view text, DateForm form = {});

// The same packing for a date the program has as a date (today's, for a test just taken).
std::uint16_t packDate(const QDate& date);
