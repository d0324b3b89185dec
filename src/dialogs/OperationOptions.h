// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ControlTable.h"

#include <span>
#include <vector>

class QRadioButton;
class QWidget;

// The option buttons of a dialog that pick an operation kind: the rows of its table named
// 340 + kind, made by the dialog from its table. The first one starts a new group.
class OperationOptions {
public:
    OperationOptions(QWidget* parent, std::span<const ControlRow> rows);

    // Checks the option of a kind; a kind without an option checks nothing.
    void check(int kind);
    // The kind of the first checked option in order; 0 when none is checked.
    int checkedKind() const;
    const std::vector<QRadioButton*>& buttons() const { return buttons_; }

private:
    std::vector<QRadioButton*> buttons_;
    std::vector<int> kinds_;
};
