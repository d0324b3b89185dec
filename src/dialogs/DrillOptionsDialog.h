// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

class QWidget;

// What the child chose in the Drill options dialog.
struct DrillChoice {
    int kind = 1;            // OperationKind 1 to 7
    bool flashCards = false; // timed flash cards
    int secondsPerCard = 0;  // 0: untimed
    // Practise the facts still to learn of kind, an operation 1 to 4 (no flash cards then).
    bool factPractice = false;
};

// Shows the Drill options dialog over owner with the seconds offered for a flash card;
// nothing when it is cancelled. The dialog changes nothing itself.
std::optional<DrillChoice> askDrillOptions(QWidget* owner,
                                           const std::vector<std::string>& timeChoices);
