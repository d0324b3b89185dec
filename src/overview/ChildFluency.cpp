// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/ChildFluency.h"

#include "practice/Fluency.h"

namespace {
struct OperandRange {
    int low = 0;
    int high = -1;
};

// Add and Sub share one range, Mult and Div the other (as the practice builds its lists).
OperandRange rangeOf(const StudentRecord& settings, int operation) {
    return operation <= 2 ? OperandRange{settings.addSubLow, settings.addSubHigh}
                          : OperandRange{settings.mulDivLow, settings.mulDivHigh};
}
} // namespace

ChildFluency childFluency(const StudentRecord& settings, const ChildAnswers& answers) {
    ChildFluency fluency;
    fluency.state = answers.problem.isEmpty() ? FluencyState::Counted : FluencyState::LogProblem;
    fluency.problem = answers.problem;
    const std::uint32_t limitMs = childAnswerLimitMs(answers.log);
    for (int operation = 1; operation <= fluencyOperationCount; ++operation) {
        const OperandRange range = rangeOf(settings, operation);
        const FluencyGrid grid = fluencyGrid(answers.log, operation, range.low, range.high,
                                             range.low, range.high, limitMs);
        fluency.operations[static_cast<std::size_t>(operation - 1)] = {grid.count(FactState::Known),
                                                                       grid.cells.size()};
    }
    return fluency;
}

QString knownFactsCell(const ChildFluency& fluency, int operation) {
    switch (fluency.state) {
    case FluencyState::NotCounted:
        return {};
    case FluencyState::LogProblem:
        return QStringLiteral("?");
    default: {
        const KnownFacts& counts = fluency.operations[static_cast<std::size_t>(operation - 1)];
        return QStringLiteral("%1/%2").arg(counts.known).arg(counts.facts);
    }
    }
}
