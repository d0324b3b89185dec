// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// The answer time limit a grown-up chooses in the Configure dialog, which decides how quick a
// right answer must be for the fluency map to count the fact as known.
struct AnswerLimitChoice {
    std::uint32_t chosenMs = 0; // 0: automatic (3 seconds plus the child's typing time)
    bool changed = false;       // set by the dialog: Ok with another limit than it opened with

    bool operator==(const AnswerLimitChoice&) const = default;
};

// The limits offered, automatic (0) first, then 2, 3, 4, 5, 6, 8 and 10 seconds; a current
// limit not among them is offered too, in its place by size, so opening and confirming the
// dialog never changes it.
std::vector<std::uint32_t> answerLimitChoicesMs(std::uint32_t currentMs);

// "Automatic", "1 second", "4 seconds", "2.5 seconds".
QString answerLimitText(std::uint32_t milliseconds);
