// SPDX-License-Identifier: GPL-3.0-or-later
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

// The field the user must correct, and what to tell them; field None when the entry can be
// stored.
enum class ScoreField { None, Date, Kind, Correct, Problems };
struct ScoreEntryProblem {
    ScoreField field = ScoreField::None;
    std::string message;
};

// What a score record holds: a date from 1980 to 2107 (its 7 bits of years), 1 to 32767
// problems (a signed 16-bit field), 0 correct up to the number of problems.
constexpr int firstStoredYear = 1980;
constexpr int lastStoredYear = 2107;
constexpr int maxScoreProblems = 32767;

// True when the text is a real date, month-day-year with "-" or "/" between the fields, the
// year in four digits or in two (20yy), within the years a record holds.
bool isStorableDate(std::string_view text);

// Checks the fields in the dialog's order: a real date, a kind from the list, then the
// number of problems and the number correct.
ScoreEntryProblem scoreEntryProblem(const ScoreEntryTexts& texts);

// The OperationKind of a kind text: the item it equals, ignoring case and surrounding
// blanks, plus one; 0 when it names no item.
int kindFromText(std::string_view text);

// The low 16 bits of a number, as a score record keeps it.
std::int16_t lowSixteenBits(std::int32_t value);

// The record the dialog's Ok adds: packed date, kind, no time limit, the two numbers.
ScoreRecord scoreFromEntry(const ScoreEntryTexts& texts);

// Adds the record of an entry that passed the check to the history (a full history moves its
// oldest results to the archive at the next save).
void saveScoreEntry(StudentRecord& student, const ScoreEntryTexts& texts);
