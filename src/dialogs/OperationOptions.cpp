// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/OperationOptions.h"

#include "dialogs/ControlIds.h"

#include <QRadioButton>

OperationOptions::OperationOptions(QWidget* parent, std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
        const int kind = QByteArray(row.name).toInt() - optionIdBase;
        if (row.kind == ControlKind::Option && kind >= 1 && kind <= 7) {
            buttons_.push_back(parent->findChild<QRadioButton*>(row.name));
            kinds_.push_back(kind);
        }
    }
}

void OperationOptions::check(int kind) {
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        if (kinds_[i] == kind) {
            buttons_[i]->setChecked(true);
        }
    }
}

int OperationOptions::checkedKind() const {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i]->isChecked()) {
            return kinds_[i];
        }
    }
    return 0;
}
