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

// Confirming the dialog: every box is read as a number (0 for a text without one, halves
// to even), stored as typed without range checks, and mixedHigh follows the high ends.
void applyConfigure(StudentRecord& student, const ConfigureTexts& texts);
