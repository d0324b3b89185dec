// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ProblemCount.h"

#include "common/NumberText.h"
#include "common/OperationKind.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {
// Half of a whole number, a half going to the even neighbour.
long long halfToEven(long long value) {
    const long long half = value / 2;
    const bool hasHalf = value % 2 != 0;
    if (!hasHalf || half % 2 == 0) {
        return half;
    }
    return value > 0 ? half + 1 : half - 1;
}

long long problemsPerMinuteTimesTwo(int kind, long long addSubPerMin, long long mulDivPerMin) {
    switch (static_cast<OperationKind>(kind)) {
    case OperationKind::Mult:
    case OperationKind::Div:
    case OperationKind::MultDiv:
        return 2 * mulDivPerMin;
    case OperationKind::Mixed:
        return addSubPerMin + mulDivPerMin;
    default:
        return 2 * addSubPerMin;
    }
}
} // namespace

int testProblemCount(int minutes, int kind, int addSubPerMin, int mulDivPerMin) {
    const long long twice = problemsPerMinuteTimesTwo(kind, addSubPerMin, mulDivPerMin);
    const long long count = halfToEven(static_cast<long long>(minutes) * twice);
    return static_cast<int>(
        std::clamp(count, 0LL, static_cast<long long>(std::numeric_limits<int>::max())));
}

QString problemCountText(int count) {
    //: %1 is the count with a blank before it (" 120")
    return QCoreApplication::translate("ProblemCount", "Number of problems =%1")
        .arg(QString::fromStdString(numberWithSign(count)));
}
