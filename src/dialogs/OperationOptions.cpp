#include "dialogs/OperationOptions.h"

#include "common/DialogControls.h"
#include "dialogs/ControlIds.h"

#include <QRadioButton>

OperationOptions::OperationOptions(QWidget* parent, const std::vector<OperationOption>& options) {
    for (const OperationOption& option : options) {
        buttons_.push_back(
            addOptionButton(parent, optionIdBase + option.kind, option.text, option.rect));
        kinds_.push_back(option.kind);
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
