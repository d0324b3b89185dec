// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentRecord.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// How the progress report writes each result.
enum class ReportMode {
    Percent,        // correct / problems x 100 with two decimals (displayPercent)
    CorrectOfTotal, // " 7 / 10"
};

// The report's column headings: "Date", then one per kind 1 to 7 ("Add ", ... "Mul/Div").
QStringList reportHeadings();

// The packed date of a score record as displayDate writes it, in English month-day-year:
// "03-15-2006" for 13423, "00-00-1980" for 0. Month and day get two digits, the year is 1980
// plus the top seven bits. The fields are written as stored, so a date no calendar has (month 0
// or 15) still shows what the file holds, which QDate cannot represent.
QString formatScoreDate(std::uint16_t packedDate);

// The text of a record's result cell. A record of 0 problems shows "0.00" as a percentage
// and " 5 / 0" as correct over total.
QString formatResult(const ScoreRecord& record, ReportMode mode);

// The cells of one row: the date, then the seven result cells. Only the cell of the record's
// kind is filled; a kind outside 1 to 7 shows only the date.
QStringList reportCells(const ScoreRecord& record, ReportMode mode);

// What a screen reader says for a cell of a row. Screen readers read the whole row as the child
// moves from row to row, so each cell says only itself: the date, the result with its column's
// heading ("Add 71.43"), and an empty cell nothing.
QString cellSpeech(const QStringList& cells, int column);
// The row in one sentence: "03-15-2006, Add 71.43".
QString rowSpeech(const QStringList& cells);
