// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DrillOptionsDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "dialogs/ControlIds.h"
#include "dialogs/DialogTables.h"
#include "dialogs/OperationOptions.h"
#include "dialogs/TimeChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QRadioButton>

#include <array>

namespace {
constexpr int secondsPreselected = 1; // the second entry, "2"

constexpr std::array<ControlRow, 13> controls = {{
    {ControlKind::Option, "341", QT_TRANSLATE_NOOP("DrillOptionsDialog", "Add"),
     QRect(50, 40, 80, 15)},
    {ControlKind::Option, "342", QT_TRANSLATE_NOOP("DrillOptionsDialog", "Sub"),
     QRect(50, 60, 80, 15)},
    {ControlKind::Option, "343", QT_TRANSLATE_NOOP("DrillOptionsDialog", "Mult"),
     QRect(50, 80, 80, 15)},
    {ControlKind::Option, "344", QT_TRANSLATE_NOOP("DrillOptionsDialog", "Div"),
     QRect(50, 100, 80, 15)},
    {ControlKind::Option, "345", QT_TRANSLATE_NOOP("DrillOptionsDialog", "Mix All"),
     QRect(150, 40, 120, 15)},
    {ControlKind::Option, "346", QT_TRANSLATE_NOOP("DrillOptionsDialog", "Mix Add+Sub"),
     QRect(150, 60, 120, 15)},
    {ControlKind::Option, "347", QT_TRANSLATE_NOOP("DrillOptionsDialog", "Mix Mult+Div"),
     QRect(150, 80, 120, 15)},
    {ControlKind::Label, "mathFunctionLabel",
     QT_TRANSLATE_NOOP("DrillOptionsDialog", "Choose a math function:"), QRect(20, 10, 200, 30)},
    {ControlKind::CheckBox, "351",
     QT_TRANSLATE_NOOP("DrillOptionsDialog", "Flash cards - Timer(secs):"),
     QRect(20, 130, 180, 15)},
    {ControlKind::DropDown, "352",
     QT_TRANSLATE_NOOP("DrillOptionsDialog", "Seconds per flash card"), QRect(200, 128, 45, 180)},
    {ControlKind::CheckBox, "353",
     QT_TRANSLATE_NOOP("DrillOptionsDialog", "&Practise the facts to learn"),
     QRect(20, 152, 220, 15)},
    {ControlKind::Button, "1", QT_TRANSLATE_NOOP("DrillOptionsDialog", "&Ok"),
     QRect(170, 175, 60, 30)},
    {ControlKind::Button, "2", QT_TRANSLATE_NOOP("DrillOptionsDialog", "&Cancel"),
     QRect(240, 175, 60, 30)},
}};

class DrillOptionsDialog : public QDialog {
public:
    DrillOptionsDialog(QWidget* owner, const std::vector<std::string>& timeChoices)
        : QDialog(owner) {
        setUpDialogFrame(*this,
                         QCoreApplication::translate("DrillOptionsDialog", "Drill Math Tables"),
                         360, 220);
        addControls(this, "DrillOptionsDialog", controls);
        options_ = OperationOptions(this, controls);
        options_.check(1);
        flashCards_ = findChild<QCheckBox*>("351");
        seconds_ = findChild<QComboBox*>("352");
        for (const std::string& entry : timeChoices) {
            seconds_->addItem(QString::fromStdString(entry));
        }
        fitDropDown(seconds_, rowNamed(controls, "352"));
        seconds_->setCurrentIndex(
            preselectedTimeIndex(static_cast<int>(timeChoices.size()), secondsPreselected));
        facts_ = findChild<QCheckBox*>("353");
        facts_->setAccessibleName(
            QCoreApplication::translate("DrillOptionsDialog", "Practise the facts to learn"));
        connect(facts_, &QCheckBox::toggled, this, [this](bool on) { factsToggled(on); });
        connectOkCancelButtons(*this);
    }

    DrillChoice choice() const {
        const bool facts = facts_->isChecked();
        const int seconds = facts ? 0
                                  : drillSecondsPerCard(flashCards_->isChecked(),
                                                        seconds_->currentText().toStdString());
        return DrillChoice{options_.checkedKind(), seconds > 0, seconds, facts};
    }

private:
    // Facts are practised one operation at a time, typed and untimed: the mixes and the flash
    // cards are unavailable while the box is checked, and a mix checked becomes its first
    // operation (Mix Mult+Div: Mult; the others: Add).
    void factsToggled(bool on) {
        constexpr int mixAll = 5, mixMultDiv = 7, add = 1, mult = 3;
        const int kind = options_.checkedKind();
        if (on && kind >= mixAll) {
            options_.check(kind == mixMultDiv ? mult : add);
        }
        for (QRadioButton* option : options_.buttons()) {
            if (option->objectName().toInt() - optionIdBase >= mixAll) {
                option->setEnabled(!on);
            }
        }
        flashCards_->setEnabled(!on);
        seconds_->setEnabled(!on);
    }

    OperationOptions options_{this, {}};
    QCheckBox* flashCards_ = nullptr;
    QComboBox* seconds_ = nullptr;
    QCheckBox* facts_ = nullptr;
};
} // namespace

std::span<const ControlRow> drillOptionsControls() {
    return controls;
}

std::optional<DrillChoice> askDrillOptions(QWidget* owner,
                                           const std::vector<std::string>& timeChoices) {
    DrillOptionsDialog dialog(owner, timeChoices);
    if (runCentredWindowModal(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}
