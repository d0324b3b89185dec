#pragma once

#include "records/StudentRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The kinds offered by the Save Test Score dialog; item n - 1 is OperationKind n.
inline constexpr std::array<const char*, 7> scoreKindItems = {"Add",   "Sub",     "Mul",    "Div",
                                                              "Mixed", "Add/Sub", "Mul/Div"};

// What the user typed into the Save Test Score dialog.
struct ScoreEntryTexts {
    std::string date;     // month-day-year, "-" or "/" between the fields
    std::string kind;     // the combo box's text, chosen from the list or typed
    std::string correct;  // number correct
    std::string problems; // number of problems
};

// The OperationKind of a kind text: the item it equals, ignoring case and surrounding
// blanks, plus one; 0 when it names no item.
int kindFromText(std::string_view text);

// The low 16 bits of a number, as a score record keeps it.
std::int16_t lowSixteenBits(std::int32_t value);

// The record the dialog's Ok adds: packed date, kind, no time limit, the two numbers.
ScoreRecord scoreFromEntry(const ScoreEntryTexts& texts);

// Adds the record to the history; false when the history is already full.
bool saveScoreEntry(StudentRecord& student, const ScoreEntryTexts& texts);
