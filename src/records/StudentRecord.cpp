// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentRecord.h"

#include <algorithm>

bool storedValuesChanged(const StudentRecord& student) {
    return student.addSubHigh != student.loadedAddSubHigh ||
           student.mulDivHigh != student.loadedMulDivHigh ||
           student.addSubPerMin != student.loadedAddSubPerMin ||
           student.mulDivPerMin != student.loadedMulDivPerMin;
}

bool appendScore(StudentRecord& student, std::uint16_t date, int kind, int timeLimit, int problems,
                 int correct) {
    if (student.history.size() >= maxScoreRecords) {
        return false;
    }
    ScoreRecord record;
    record.date = date;
    record.kind = static_cast<std::uint8_t>(kind);
    record.timeLimit = static_cast<std::uint8_t>(timeLimit);
    record.problems = static_cast<std::int16_t>(problems);
    record.correct = static_cast<std::int16_t>(correct);
    student.history.push_back(record);
    student.changeState = ChangeState::ScoresChanged;
    return true;
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
