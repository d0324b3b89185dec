#include "dialogs/MathTestDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "common/NumberText.h"
#include "common/TextFit.h"
#include "dialogs/ControlIds.h"
#include "dialogs/OperationOptions.h"
#include "dialogs/ProblemCount.h"
#include "dialogs/TimeChoice.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>

namespace {
constexpr int minutesPreselected = 9; // the tenth entry, "10"

class MathTestDialog : public QDialog {
public:
    MathTestDialog(QWidget* owner, const std::vector<std::string>& timeChoices,
                   const StudentRecord& student)
        : QDialog(owner), student_(student),
          options_(this, {{1, "Add", QRect(50, 140, 80, 15)},
                          {2, "Sub", QRect(50, 160, 80, 15)},
                          {3, "Mult", QRect(50, 180, 80, 15)},
                          {4, "Div", QRect(50, 200, 80, 15)},
                          {5, "Mix All", QRect(150, 140, 120, 15)},
                          {6, "Mix Add+Sub", QRect(150, 160, 120, 15)},
                          {7, "Mix Mul+Div", QRect(150, 180, 120, 15)}}) {
        setUpDialogFrame(*this, "Math Test", 300, 300);
        addLabel(this, "minutesLabel", "Amount of time (mins):", QRect(25, 10, 140, 15));
        minutes_ =
            addDropDownList(this, static_cast<int>(MathTestControlId::MinutesCombo),
                            "Amount of time in minutes", QRect(160, 9, 45, 180), timeChoices);
        minutes_->setCurrentIndex(
            preselectedTimeIndex(static_cast<int>(timeChoices.size()), minutesPreselected));
        count_ = addLabel(this, controlName(static_cast<int>(MathTestControlId::ProblemCount)), "",
                          QRect(25, 70, 160, 15));
        addLabel(this, "chooseTestLabel", "Choose one to test:", QRect(25, 110, 120, 15));
        options_.check(1);
        addOkCancelButtons(*this, QRect(150, 250, 60, 30), QRect(220, 250, 60, 30));
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

    void showCount() {
        shownCount_ = testProblemCount(selectedMinutes(), options_.checkedKind(),
                                       student_.addSubPerMin, student_.mulDivPerMin);
        setFittedText(count_, QString::fromStdString(problemCountText(shownCount_)));
    }

    const StudentRecord& student_;
    OperationOptions options_;
    QComboBox* minutes_ = nullptr;
    QLabel* count_ = nullptr;
    int shownCount_ = 0;
};
} // namespace

std::optional<MathTestChoice> askMathTest(QWidget* owner,
                                          const std::vector<std::string>& timeChoices,
                                          const StudentRecord& student) {
    MathTestDialog dialog(owner, timeChoices, student);
    if (runCentredWindowModal(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}
