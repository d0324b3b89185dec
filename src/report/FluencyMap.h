// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/Fluency.h"
#include "records/AnswerLog.h"
#include "records/StudentRecord.h"

#include <array>
#include <cstdint>

// The four operations of the fluency map, in the order of its tabs: Add, Sub, Mult, Div.
inline constexpr std::array<int, 4> mapOperations = {1, 2, 3, 4};

// The grid of each operation over the child's configured ranges (Add and Sub over the
// Add/Sub range, Mult and Div over the Mult/Div range, both operands alike), judged with the
// given answer limit. A range that runs backwards gives a grid without cells.
std::array<FluencyGrid, 4> fluencyMapGrids(const StudentRecord& student,
                                           const AnswerLogContents& log, std::uint32_t limitMs);

// The limit a grown-up chose last, in milliseconds; 0 when none was chosen or the last choice
// was "Automatic".
std::uint32_t grownUpLimitMs(const AnswerLogContents& log);
