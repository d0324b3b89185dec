// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentRecord.h"

#include <optional>

class QWidget;

// What the child chose in the Learn options dialog.
struct LearnChoice {
    int operation = 1;           // 1 to 4
    int number = 0;              // the number whose table is learned; 0 when none was picked
    bool showAllAnswers = false; // show every answer at once
};

// Shows the Learn options dialog over owner; nothing when it is cancelled. The dialog
// changes nothing itself: the caller notes the choice and starts the run.
std::optional<LearnChoice> askLearnOptions(QWidget* owner, const StudentRecord& student,
                                           bool showAllAnswers);
