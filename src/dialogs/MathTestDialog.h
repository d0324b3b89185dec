// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentRecord.h"

#include <optional>
#include <string>
#include <vector>

class QWidget;

// What the child chose in the Math Test dialog.
struct MathTestChoice {
    int kind = 1;         // OperationKind 1 to 7
    int minutes = 10;     // the time limit
    int problemCount = 0; // the count shown when Ok was pressed
};

// Shows the Math Test dialog over owner with the minutes offered; the number of problems
// follows the student's rates. Nothing when it is cancelled; the dialog changes nothing.
std::optional<MathTestChoice> askMathTest(QWidget* owner,
                                          const std::vector<std::string>& timeChoices,
                                          const StudentRecord& student);
