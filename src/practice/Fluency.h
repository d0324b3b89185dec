// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/ProblemList.h"
#include "records/AnswerLog.h"

#include <QString>

#include <cstdint>
#include <vector>

// What the child's answers say about each fact.
//   Known:    right, and within the limit, on each of the last two tries.
//   Slow:     right on the last try, but over the limit.
//   NotYet:   wrong on the last try or a flash card's time ran out; also a fact answered right
//             within the limit only once since it was last missed or slow.
//   NotTried: no answer yet.
enum class FactState { NotTried, NotYet, Slow, Known };

// The limit for an answer: 3 seconds, plus the time the child needs to type an answer.
constexpr std::uint32_t baseAnswerLimitMs = 3000;
std::uint32_t answerLimitMs(std::uint32_t typingAllowanceMs);
// The child's limit: the newest one a grown-up chose, else the base limit widened by the
// child's newest measured typing time.
std::uint32_t childAnswerLimitMs(const AnswerLogContents& log);

struct FactFluency {
    Problem fact;
    FactState state = FactState::NotTried;
    std::uint32_t lastMilliseconds = 0; // of the last try
    std::uint32_t right = 0;            // every try, summarised ones too
    std::uint32_t wrong = 0;
};

// The grid of one operation's facts over two ranges, row by row (a in the first range, b in
// the second). The cell (a, b) is the fact a + b, (a + b) - b, a x b or (a x b) / b, so that
// each cell's answer is a for subtraction and division; division has no cells with b = 0.
struct FluencyGrid {
    int operation = 0;
    int firstLow = 0, firstHigh = -1, secondLow = 0, secondHigh = -1;
    std::vector<FactFluency> cells;

    std::size_t count(FactState state) const;
};

// The fact standing in the cell (a, b) of the operation's grid.
Problem gridFact(int operation, int a, int b);

// Ranges are held to at most maxOperandValues values each.
FluencyGrid fluencyGrid(const AnswerLogContents& log, int operation, int firstLow, int firstHigh,
                        int secondLow, int secondHigh, std::uint32_t limitMs);

// "87 of 169 known".
QString knownCountText(const FluencyGrid& grid);
