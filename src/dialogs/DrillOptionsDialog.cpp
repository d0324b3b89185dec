#include "dialogs/DrillOptionsDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "dialogs/ControlIds.h"
#include "dialogs/OperationOptions.h"
#include "dialogs/TimeChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>

namespace {
constexpr int secondsPreselected = 1; // the second entry, "2"

class DrillOptionsDialog : public QDialog {
public:
    DrillOptionsDialog(QWidget* owner, const std::vector<std::string>& timeChoices)
        : QDialog(owner), options_(this, {{1, "Add", QRect(50, 40, 80, 15)},
                                          {2, "Sub", QRect(50, 60, 80, 15)},
                                          {3, "Mult", QRect(50, 80, 80, 15)},
                                          {4, "Div", QRect(50, 100, 80, 15)},
                                          {5, "Mix All", QRect(150, 40, 120, 15)},
                                          {6, "Mix Add+Sub", QRect(150, 60, 120, 15)},
                                          {7, "Mix Mult+Div", QRect(150, 80, 120, 15)}}) {
        setUpDialogFrame(*this, "Drill Math Tables", 360, 220);
        addLabel(this, "mathFunctionLabel", "Choose a math function:", QRect(20, 10, 200, 30));
        options_.check(1);
        flashCards_ = addCheckBox(this, static_cast<int>(DrillControlId::FlashCards),
                                  "Flash cards - Timer(secs):", QRect(20, 130, 180, 15));
        seconds_ = addDropDownList(this, static_cast<int>(DrillControlId::SecondsCombo),
                                   "Seconds per flash card", QRect(200, 128, 45, 180), timeChoices);
        seconds_->setCurrentIndex(
            preselectedTimeIndex(static_cast<int>(timeChoices.size()), secondsPreselected));
        addOkCancelButtons(*this, QRect(170, 175, 60, 30), QRect(240, 175, 60, 30));
    }

    DrillChoice choice() const {
        const int seconds =
            drillSecondsPerCard(flashCards_->isChecked(), seconds_->currentText().toStdString());
        return DrillChoice{options_.checkedKind(), seconds > 0, seconds};
    }

private:
    OperationOptions options_;
    QCheckBox* flashCards_ = nullptr;
    QComboBox* seconds_ = nullptr;
};
} // namespace

std::optional<DrillChoice> askDrillOptions(QWidget* owner,
                                           const std::vector<std::string>& timeChoices) {
    DrillOptionsDialog dialog(owner, timeChoices);
    if (runCentredWindowModal(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}
