// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/LearnOptionsDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "common/NumberText.h"
#include "dialogs/ControlIds.h"
#include "dialogs/DialogTables.h"
#include "dialogs/LearnNumberList.h"
#include "dialogs/OperationOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>

#include <array>

namespace {
// The option buttons come first: they are first in the Tab order.
constexpr std::array<ControlRow, 10> controls = {{
    {ControlKind::Option, "341", QT_TRANSLATE_NOOP("LearnOptionsDialog", "Add"),
     QRect(50, 75, 80, 15)},
    {ControlKind::Option, "342", QT_TRANSLATE_NOOP("LearnOptionsDialog", "Sub"),
     QRect(50, 95, 80, 15)},
    {ControlKind::Option, "343", QT_TRANSLATE_NOOP("LearnOptionsDialog", "Mult"),
     QRect(50, 115, 80, 15)},
    {ControlKind::Option, "344", QT_TRANSLATE_NOOP("LearnOptionsDialog", "Div"),
     QRect(50, 135, 80, 15)},
    {ControlKind::Label, "learnNumberLabel",
     QT_TRANSLATE_NOOP("LearnOptionsDialog", "Learn for this number:"), QRect(20, 10, 130, 20)},
    {ControlKind::DropDown, "317", QT_TRANSLATE_NOOP("LearnOptionsDialog", "Learn for this number"),
     QRect(150, 10, 60, 250)},
    {ControlKind::Label, "mathFunctionLabel",
     QT_TRANSLATE_NOOP("LearnOptionsDialog", "Choose a math function:"), QRect(20, 50, 200, 20)},
    {ControlKind::CheckBox, "111", QT_TRANSLATE_NOOP("LearnOptionsDialog", "Show all answers"),
     QRect(20, 160, 190, 20)},
    {ControlKind::Button, "1", QT_TRANSLATE_NOOP("LearnOptionsDialog", "&Ok"),
     QRect(160, 200, 60, 30)},
    {ControlKind::Button, "2", QT_TRANSLATE_NOOP("LearnOptionsDialog", "&Cancel"),
     QRect(230, 200, 60, 30)},
}};

class LearnOptionsDialog : public QDialog {
public:
    LearnOptionsDialog(QWidget* owner, const StudentRecord& student, bool showAllAnswers)
        : QDialog(owner) {
        setUpDialogFrame(*this,
                         QCoreApplication::translate("LearnOptionsDialog", "Learn Math Tables"),
                         300, 240);
        addControls(this, "LearnOptionsDialog", controls);
        options_ = OperationOptions(this, controls);
        const LearnListSetup setup = learnListSetup(student);
        numbers_ = findChild<QComboBox*>("317");
        for (const std::string& entry : setup.entries) {
            numbers_->addItem(QString::fromStdString(entry));
        }
        fitDropDown(numbers_, rowNamed(controls, "317"));
        numbers_->setCurrentIndex(setup.selectedIndex);
        options_.check(setup.operation);
        showAll_ = findChild<QCheckBox*>("111");
        showAll_->setChecked(showAllAnswers);
        connectOkCancelButtons(*this);
        numbers_->setFocus();
    }

    LearnChoice choice() const {
        return LearnChoice{options_.checkedKind(),
                           textToNumber(numbers_->currentText().toStdString()),
                           showAll_->isChecked()};
    }

private:
    OperationOptions options_{this, {}};
    QComboBox* numbers_ = nullptr;
    QCheckBox* showAll_ = nullptr;
};
} // namespace

std::span<const ControlRow> learnOptionsControls() {
    return controls;
}

std::optional<LearnChoice> askLearnOptions(QWidget* owner, const StudentRecord& student,
                                           bool showAllAnswers) {
    LearnOptionsDialog dialog(owner, student, showAllAnswers);
    if (runCentredWindowModal(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}
