// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/OperationKind.h"

#include <array>

namespace {
const std::array<const char*, 8> opNames = {"",    "Add",   "Sub",     "Mult",
                                            "Div", "Mixed", "Add/Sub", "Mult/Div"};
}

bool isOperationKind(int value) {
    return value >= firstOperationKind && value <= lastOperationKind;
}

std::string opName(int kind) {
    return isOperationKind(kind) ? opNames[static_cast<size_t>(kind)] : "";
}

std::string opName(OperationKind kind) {
    return opName(static_cast<int>(kind));
}
