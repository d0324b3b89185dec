// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MathTestDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "common/NumberText.h"
#include "common/ScreenReaderNotice.h"
#include "common/TextFit.h"
#include "dialogs/ControlIds.h"
#include "dialogs/DialogTables.h"
#include "dialogs/OperationOptions.h"
#include "dialogs/ProblemCount.h"
#include "dialogs/TimeChoice.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <array>

namespace {
constexpr int minutesPreselected = 9; // the tenth entry, "10"

// The option buttons come first: they are first in the Tab order.
constexpr std::array<ControlRow, 13> controls = {{
    {ControlKind::Option, "341", QT_TRANSLATE_NOOP("MathTestDialog", "Add"),
     QRect(50, 140, 80, 15)},
    {ControlKind::Option, "342", QT_TRANSLATE_NOOP("MathTestDialog", "Sub"),
     QRect(50, 160, 80, 15)},
    {ControlKind::Option, "343", QT_TRANSLATE_NOOP("MathTestDialog", "Mult"),
     QRect(50, 180, 80, 15)},
    {ControlKind::Option, "344", QT_TRANSLATE_NOOP("MathTestDialog", "Div"),
     QRect(50, 200, 80, 15)},
    {ControlKind::Option, "345", QT_TRANSLATE_NOOP("MathTestDialog", "Mix All"),
     QRect(150, 140, 120, 15)},
    {ControlKind::Option, "346", QT_TRANSLATE_NOOP("MathTestDialog", "Mix Add+Sub"),
     QRect(150, 160, 120, 15)},
    {ControlKind::Option, "347", QT_TRANSLATE_NOOP("MathTestDialog", "Mix Mul+Div"),
     QRect(150, 180, 120, 15)},
    {ControlKind::Label, "minutesLabel",
     QT_TRANSLATE_NOOP("MathTestDialog", "Amount of time (mins):"), QRect(25, 10, 135, 15)},
    {ControlKind::DropDown, "321", QT_TRANSLATE_NOOP("MathTestDialog", "Amount of time in minutes"),
     QRect(160, 9, 45, 180)},
    {ControlKind::Label, "323", "", QRect(25, 70, 160, 15)},
    {ControlKind::Label, "chooseTestLabel",
     QT_TRANSLATE_NOOP("MathTestDialog", "Choose one to test:"), QRect(25, 110, 120, 15)},
    {ControlKind::Button, "1", QT_TRANSLATE_NOOP("MathTestDialog", "&Ok"), QRect(150, 250, 60, 30)},
    {ControlKind::Button, "2", QT_TRANSLATE_NOOP("MathTestDialog", "&Cancel"),
     QRect(220, 250, 60, 30)},
}};

class MathTestDialog : public QDialog {
public:
    MathTestDialog(QWidget* owner, const std::vector<std::string>& timeChoices,
                   const StudentRecord& student)
        : QDialog(owner), student_(student) {
        setUpDialogFrame(*this, QCoreApplication::translate("MathTestDialog", "Math Test"), 300,
                         300);
        addControls(this, "MathTestDialog", controls);
        options_ = OperationOptions(this, controls);
        minutes_ = findChild<QComboBox*>("321");
        for (const std::string& entry : timeChoices) {
            minutes_->addItem(QString::fromStdString(entry));
        }
        fitDropDown(minutes_, rowNamed(controls, "321"));
        minutes_->setCurrentIndex(
            preselectedTimeIndex(static_cast<int>(timeChoices.size()), minutesPreselected));
        count_ = findChild<QLabel*>("323");
        options_.check(1);
        connectOkCancelButtons(*this);
        showCount();
        connect(minutes_, &QComboBox::currentIndexChanged, this, [this]() { showCount(); });
        for (QRadioButton* option : options_.buttons()) {
            connect(option, &QRadioButton::toggled, this, [this](bool checked) {
                if (checked) {
                    showCount();
                }
            });
        }
    }

    MathTestChoice choice() const {
        return MathTestChoice{options_.checkedKind(), selectedMinutes(), shownCount_};
    }

private:
    int selectedMinutes() const { return textToNumber(minutes_->currentText().toStdString()); }

    // A new count is said as the child changes the time or the kind of test.
    void showCount() {
        const int count = testProblemCount(selectedMinutes(), options_.checkedKind(),
                                           student_.addSubPerMin, student_.mulDivPerMin);
        const QString text = problemCountText(count);
        if (isVisible() && count != shownCount_) {
            ScreenReaderNotice::of(this)->sayAfterThisEvent({text});
        }
        shownCount_ = count;
        setFittedText(count_, text);
    }

    const StudentRecord& student_;
    OperationOptions options_{this, {}};
    QComboBox* minutes_ = nullptr;
    QLabel* count_ = nullptr;
    int shownCount_ = 0;
};
} // namespace

std::span<const ControlRow> mathTestControls() {
    return controls;
}

std::optional<MathTestChoice> askMathTest(QWidget* owner,
                                          const std::vector<std::string>& timeChoices,
                                          const StudentRecord& student) {
    MathTestDialog dialog(owner, timeChoices, student);
    if (runCentredWindowModal(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}
