// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentRecord.h"

#include <string>

// The texts of the six number boxes of the Configure dialog, in Tab order.
struct ConfigureTexts {
    std::string addSubPerMin;
    std::string addSubLow;
    std::string addSubHigh;
    std::string mulDivPerMin;
    std::string mulDivLow;
    std::string mulDivHigh;

    bool operator==(const ConfigureTexts&) const = default;
};

// What the boxes show when the dialog opens: rates and high ends with their sign place
// (" 12"), the low ends always "1".
ConfigureTexts configureTexts(const StudentRecord& student);

// What a child's settings may hold: enough for every table a child learns, and few enough
// operands that the problem lists stay small and a timed test asks a sensible number.
constexpr int minPerMinute = 1;
constexpr int maxPerMinute = 60;
constexpr int minRangeNumber = 0;
constexpr int maxRangeNumber = 500;
constexpr int maxRangeWidth = 500; // numbers in one range, as the problem lists take them

// The box at fault (0 to 5 in Tab order) and what to tell the user, or box -1 when the texts
// can all be stored.
struct ConfigureProblem {
    int box = -1;
    std::string message;
};

// Checks the boxes in Tab order: rates are whole numbers from 1 to 60, range ends whole
// numbers from 0 to 500, the low end no higher than the high end, at most 500 numbers.
ConfigureProblem configureProblem(const ConfigureTexts& texts);

// Confirming the dialog with texts that passed the check: every box is stored as its
// number, and mixedHigh follows the high ends.
void applyConfigure(StudentRecord& student, const ConfigureTexts& texts);
