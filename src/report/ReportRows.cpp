#include "report/ReportRows.h"

#include "common/NumberText.h"
#include "common/OperationKind.h"

#include <cstdio>

std::string formatScoreDate(std::uint16_t packedDate) {
    const unsigned day = packedDate & 0x1Fu;
    const unsigned month = (packedDate >> 5) & 0x0Fu;
    const unsigned year = 1980u + (packedDate >> 9);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02u-%02u-%u", month, day, year);
    return buffer;
}

std::string formatResult(const ScoreRecord& record, ReportMode mode) {
    if (mode == ReportMode::CorrectOfTotal) {
        return numberWithSign(record.correct) + " /" + numberWithSign(record.problems);
    }
    return percentText(record.correct, record.problems);
}

std::string reportRow(const ScoreRecord& record, ReportMode mode) {
    const bool hasColumn = isOperationKind(record.kind);
    const std::string result = hasColumn ? formatResult(record, mode) : std::string();
    std::string row = "\t";
    row += formatScoreDate(record.date);
    for (int kind = firstOperationKind; kind <= lastOperationKind; ++kind) {
        row += '\t';
        if (kind == record.kind) {
            row += result;
        }
    }
    return row;
}

std::vector<std::string> reportRows(const std::vector<ScoreRecord>& history, ReportMode mode) {
    std::vector<std::string> rows;
    rows.reserve(history.size());
    for (const ScoreRecord& record : history) {
        rows.push_back(reportRow(record, mode));
    }
    return rows;
}
