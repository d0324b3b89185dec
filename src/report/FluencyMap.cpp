// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/FluencyMap.h"

#include <algorithm>
#include <climits>

std::array<FluencyGrid, 4> fluencyMapGrids(const StudentRecord& student,
                                           const AnswerLogContents& log, std::uint32_t limitMs) {
    std::array<FluencyGrid, 4> grids;
    for (std::size_t i = 0; i < mapOperations.size(); ++i) {
        const int operation = mapOperations[i];
        const bool addSub = operation <= 2;
        // A low end so near the top of int that the grid's capped high end would not fit is
        // held below it; no child's file that the program wrote comes near it.
        const int low =
            std::min(addSub ? student.addSubLow : student.mulDivLow, INT_MAX - maxOperandValues);
        const int high = addSub ? student.addSubHigh : student.mulDivHigh;
        grids[i] = fluencyGrid(log, operation, low, high, low, high, limitMs);
    }
    return grids;
}

std::uint32_t grownUpLimitMs(const AnswerLogContents& log) {
    std::uint32_t chosen = 0;
    for (const LimitSetting& limit : log.limits) {
        if (limit.source == LimitSource::GrownUp) {
            chosen = limit.milliseconds;
        }
    }
    return chosen;
}
