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

// What a child's settings may hold. Any text is read as the number at its start (letters
// give 0, "7.5" gives 8); refused are only values that would break the program: a range end
// below 0 or beyond the operands a problem list takes, and a rate above a sane pace. A low
// end above its high end is kept: the problem list is then empty.
constexpr int minPerMinute = 0; // a rate of 0 sets a test of 0 problems
constexpr int maxPerMinute = 60;
constexpr int minRangeNumber = 0;
constexpr int maxRangeNumber = 500; // the problem lists take 500 operands from the low end

// The box at fault (0 to 5 in Tab order) and what to tell the user, or box -1 when the texts
// can all be stored.
struct ConfigureProblem {
    int box = -1;
    std::string message;
};

// Checks the boxes in Tab order: rates from 0 to 60, range ends from 0 to 500.
ConfigureProblem configureProblem(const ConfigureTexts& texts);

// Confirming the dialog with texts that passed the check: every box is stored as the number
// its text starts with, and mixedHigh follows the high ends.
void applyConfigure(StudentRecord& student, const ConfigureTexts& texts);
