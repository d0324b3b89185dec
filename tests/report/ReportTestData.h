// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentRecord.h"

#include <array>
#include <cstdint>

// A new child: rates and high ends 12 (also as loaded from the file), low ends 1.
inline StudentRecord newChild() {
    StudentRecord student;
    student.addSubHigh = student.mulDivHigh = student.mixedHigh = 12;
    student.addSubPerMin = student.mulDivPerMin = 12;
    student.loadedAddSubHigh = student.loadedMulDivHigh = 12;
    student.loadedAddSubPerMin = student.loadedMulDivPerMin = 12;
    student.addSubLow = student.mulDivLow = student.mixedLow = 1;
    return student;
}

// The values the Configure dialog sets, in the order of its boxes, then mixedHigh.
using ConfigValues = std::array<int, 7>;
inline ConfigValues configValues(const StudentRecord& s) {
    return {s.addSubPerMin, s.addSubLow,  s.addSubHigh, s.mulDivPerMin,
            s.mulDivLow,    s.mulDivHigh, s.mixedHigh};
}

inline ScoreRecord score(std::uint16_t date, int kind, int problems, int correct) {
    ScoreRecord r;
    r.date = date;
    r.kind = static_cast<std::uint8_t>(kind);
    r.problems = static_cast<std::int16_t>(problems);
    r.correct = static_cast<std::int16_t>(correct);
    return r;
}
