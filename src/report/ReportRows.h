#pragma once

#include "records/StudentRecord.h"

#include <cstdint>
#include <string>
#include <vector>

// How the progress report writes each result.
enum class ReportMode {
    Percent,        // correct / problems x 100 with the mask "0.00"
    CorrectOfTotal, // " 7 / 10"
};

// The packed date of a score record as month-day-year: "03-15-2006" for 13423, "00-00-1980"
// for 0. Month and day get two digits, the year is 1980 plus the top seven bits.
std::string formatScoreDate(std::uint16_t packedDate);

// The text of a record's result cell. A record of 0 problems shows "0.00" as a percentage
// and " 5 / 0" as correct over total.
std::string formatResult(const ScoreRecord& record, ReportMode mode);

// One row of the report: TAB, date, then a TAB before each of the seven result cells. Only
// the cell of the record's kind is filled; a kind outside 1 to 7 shows only the date.
std::string reportRow(const ScoreRecord& record, ReportMode mode);

// The rows of a whole history, oldest first.
std::vector<std::string> reportRows(const std::vector<ScoreRecord>& history, ReportMode mode);
