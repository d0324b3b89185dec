// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overview/ChildAnswers.h"
#include "records/StudentRecord.h"

#include <QString>

#include <array>
#include <cstddef>

// How many facts of each operation a child knows, over the ranges set for the child in
// Config: the numbers of the class overview's "known" columns.

constexpr int fluencyOperationCount = 4; // Add, Sub, Mult, Div (operations 1 to 4)

struct KnownFacts {
    std::size_t known = 0;
    std::size_t facts = 0;
};

enum class FluencyState {
    NotCounted, // not read yet, or the child's file itself cannot be read
    Counted,
    LogProblem, // a log could not be read whole: the counts are not to be trusted
};

struct ChildFluency {
    FluencyState state = FluencyState::NotCounted;
    std::array<KnownFacts, fluencyOperationCount> operations{}; // index operation - 1
    QString problem;                                            // for LogProblem
};

// The counts from the child's merged answers, each operation over the child's own range and
// answer limit (the same grid the fluency map shows).
ChildFluency childFluency(const StudentRecord& settings, const ChildAnswers& answers);

// A cell of the known columns: "87/144", "?" when a log could not be read whole, nothing
// while not counted.
QString knownFactsCell(const ChildFluency& fluency, int operation);
