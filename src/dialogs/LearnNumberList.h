// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentRecord.h"

#include <string>
#include <vector>

// The most numbers the Learn dialog lists, so a damaged or huge range stays a short list.
constexpr int maxLearnNumbers = 1000;

// What the Learn options dialog shows when it opens.
struct LearnListSetup {
    int operation = 1;                // the option button checked, 1 to 4
    std::vector<std::string> entries; // " 1", " 2", ... in ascending order
    int selectedIndex = -1;           // the entry of the last number learned; -1 for none
};

// The list comes from the range of the remembered operation (Add/Sub or Mult/Div), chosen
// once: a child who never used Learn, or whose remembered operation is not 1 to 4, gets Add.
LearnListSetup learnListSetup(const StudentRecord& student);
