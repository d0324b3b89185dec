// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentRecord.h"

#include <algorithm>

bool storedValuesChanged(const StudentRecord& student) {
    return student.addSubHigh != student.loadedAddSubHigh ||
           student.mulDivHigh != student.loadedMulDivHigh ||
           student.addSubPerMin != student.loadedAddSubPerMin ||
           student.mulDivPerMin != student.loadedMulDivPerMin;
}

void appendScore(StudentRecord& student, std::uint16_t date, int kind, int timeLimit, int problems,
                 int correct) {
    ScoreRecord record;
    record.date = date;
    record.kind = static_cast<std::uint8_t>(kind);
    record.timeLimit = static_cast<std::uint8_t>(timeLimit);
    record.problems = static_cast<std::int16_t>(problems);
    record.correct = static_cast<std::int16_t>(correct);
    student.history.push_back(record);
    student.changeState = ChangeState::ScoresChanged;
}

bool historyOverflows(const StudentRecord& student) {
    return student.history.size() > maxScoreRecords;
}

std::vector<ScoreRecord> allResults(const StudentRecord& student) {
    std::vector<ScoreRecord> results = student.archived;
    results.insert(results.end(), student.history.begin(), student.history.end());
    return results;
}

void noteValuesAsLoaded(StudentRecord& student) {
    student.loadedAddSubHigh = student.addSubHigh;
    student.loadedMulDivHigh = student.mulDivHigh;
    student.loadedAddSubPerMin = student.addSubPerMin;
    student.loadedMulDivPerMin = student.mulDivPerMin;
    student.loadedLastLearnOp = student.lastLearnOp;
    student.loadedLastLearnNumber = student.lastLearnNumber;
}

void markSaved(StudentRecord& student) {
    noteValuesAsLoaded(student);
    student.loadedCount = student.history.size();
    student.changeState = ChangeState::Unchanged;
}

void noteLearnChoice(StudentRecord& student, int operation, int number) {
    const bool changed = operation != student.lastLearnOp || number != student.lastLearnNumber;
    if (changed && student.changeState != ChangeState::ScoresChanged) {
        student.changeState = ChangeState::LearnChoiceChanged;
    }
    student.lastLearnOp = operation;
    student.lastLearnNumber = number;
}

void updateMixedHigh(StudentRecord& student) {
    student.mixedHigh = std::max(student.addSubHigh, student.mulDivHigh);
}
