// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentRecord.h"

#include <QString>

#include <array>
#include <string>
#include <string_view>

// The kinds offered by the Save Test Score dialog, as written; item n - 1 is OperationKind n.
// The list shows them from the catalogue (scoreKindText).
inline constexpr std::array<const char*, 7> scoreKindItems = {
    QT_TRANSLATE_NOOP("ScoreEntry", "Add"),    QT_TRANSLATE_NOOP("ScoreEntry", "Sub"),
    QT_TRANSLATE_NOOP("ScoreEntry", "Mul"),    QT_TRANSLATE_NOOP("ScoreEntry", "Div"),
    QT_TRANSLATE_NOOP("ScoreEntry", "Mixed"),  QT_TRANSLATE_NOOP("ScoreEntry", "Add/Sub"),
    QT_TRANSLATE_NOOP("ScoreEntry", "Mul/Div")};

// An item of scoreKindItems as the list shows it.
QString scoreKindText(const char* item);

// What the user typed into the Save Test Score dialog.
struct ScoreEntryTexts {
    std::string date;     // in the order the program writes dates (displayDateForm)
    std::string kind;     // the combo box's text, chosen from the list or typed
    std::string correct;  // number correct
    std::string problems; // number of problems
};

// The field the user must correct, and what to tell them; field None when the entry can be
// stored.
enum class ScoreField { None, Correct, Problems };
struct ScoreEntryProblem {
    ScoreField field = ScoreField::None;
    std::string message;
};

// The counts a score record holds unchanged in its 16-bit fields.
constexpr int maxScoreCount = 32767;

// Every text is stored as typed: the date packed as written (an emptied date is 0), no kind
// chosen is kind 0, a correct count above the number of problems is kept. Refused is only a
// count above 32767, which the record's 16 bits cannot hold, or below 0, which counts
// nothing; the number of problems is checked first.
ScoreEntryProblem scoreEntryProblem(const ScoreEntryTexts& texts);

// The OperationKind of a kind text: the item it equals as the list shows it or as written in
// English, ignoring case and surrounding blanks, plus one; 0 when it names no item.
int kindFromText(std::string_view text);

// The record the dialog's Ok adds: the date packed as read in the order of the dates shown, kind,
// no time limit, the numbers the two count texts start with (their low 16 bits).
ScoreRecord scoreFromEntry(const ScoreEntryTexts& texts);

// Adds the record of an entry that passed the check to the history (a full history moves its
// oldest results to the archive at the next save).
void saveScoreEntry(StudentRecord& student, const ScoreEntryTexts& texts);
