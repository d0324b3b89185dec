// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/Fluency.h"

#include <QString>

#include <cstddef>
#include <vector>

class cTPrint;

// Paper practice of the facts a child has still to learn, picked from one operation's
// fluency grid: a cover-copy-compare sheet, and a one-minute check with its answer key.

inline constexpr std::size_t sheetFactCount = 10;

// Up to `most` facts of the grid still to learn: those not yet known first (the most often
// missed leading), then the slow ones (the slowest leading), then those not tried, each group
// otherwise in the grid's order. Known facts are never picked.
std::vector<Problem> sheetFacts(const FluencyGrid& grid, std::size_t most = sheetFactCount);

// "7 × 8 = 56" with its answer, "7 × 8 = ____" without; Sub writes "−" and Div "÷".
QString sheetFactText(const Problem& fact, bool withAnswer);

// The practice sheet on one page: a heading naming the operation, a line for the name and
// date, and a row per fact under the headings "Look" (the fact with its answer), "Copy" and
// "Cover and write", each with a line to write on. Asks for the printer first; prints
// nothing when that is cancelled.
void printPracticeSheet(cTPrint& printer, const std::vector<Problem>& facts, int operation);

// The one-minute check: a page of the facts without answers under a line for the name and
// date and "Time: 1 minute", then the answer key on a page of its own. Asks for the printer
// first; prints nothing when that is cancelled.
void printOneMinuteCheck(cTPrint& printer, const std::vector<Problem>& facts, int operation);
