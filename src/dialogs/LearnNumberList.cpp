// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/LearnNumberList.h"

#include "common/NumberText.h"
#include "common/OperationKind.h"

#include <algorithm>

namespace {
int rememberedOperation(const StudentRecord& student) {
    const int operation = std::max(student.lastLearnOp, 1);
    return operation <= static_cast<int>(OperationKind::Div) ? operation : 1;
}

bool usesAddSubRange(int operation) {
    return operation == static_cast<int>(OperationKind::Add) ||
           operation == static_cast<int>(OperationKind::Sub);
}
} // namespace

LearnListSetup learnListSetup(const StudentRecord& student) {
    LearnListSetup setup;
    setup.operation = rememberedOperation(student);
    const bool addSub = usesAddSubRange(setup.operation);
    const long long low = addSub ? student.addSubLow : student.mulDivLow;
    const long long high = addSub ? student.addSubHigh : student.mulDivHigh;
    const long long count =
        std::clamp(high - low + 1, 0LL, static_cast<long long>(maxLearnNumbers));
    for (long long number = low; number < low + count; ++number) {
        setup.entries.push_back(numberWithSign(number));
    }
    const long long position = static_cast<long long>(student.lastLearnNumber) - low;
    if (position >= 0 && position < count) {
        setup.selectedIndex = static_cast<int>(position);
    }
    return setup;
}
