// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/OperationKind.h"

#include <QCoreApplication>

#include <array>

namespace {
const std::array<const char*, 8> opNames = {
    "",
    QT_TRANSLATE_NOOP("OperationKind", "Add"),
    QT_TRANSLATE_NOOP("OperationKind", "Sub"),
    QT_TRANSLATE_NOOP("OperationKind", "Mult"),
    QT_TRANSLATE_NOOP("OperationKind", "Div"),
    QT_TRANSLATE_NOOP("OperationKind", "Mixed"),
    QT_TRANSLATE_NOOP("OperationKind", "Add/Sub"),
    QT_TRANSLATE_NOOP("OperationKind", "Mult/Div"),
};
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

QString opText(int kind) {
    return isOperationKind(kind)
               ? QCoreApplication::translate("OperationKind", opNames[static_cast<size_t>(kind)])
               : QString();
}

QString opText(OperationKind kind) {
    return opText(static_cast<int>(kind));
}
