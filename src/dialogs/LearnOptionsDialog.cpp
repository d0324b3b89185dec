#include "dialogs/LearnOptionsDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "common/NumberText.h"
#include "dialogs/ControlIds.h"
#include "dialogs/LearnNumberList.h"
#include "dialogs/OperationOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>

namespace {
class LearnOptionsDialog : public QDialog {
public:
    LearnOptionsDialog(QWidget* owner, const StudentRecord& student, bool showAllAnswers)
        : QDialog(owner), options_(this, {{1, "Add", QRect(50, 75, 80, 15)},
                                          {2, "Sub", QRect(50, 95, 80, 15)},
                                          {3, "Mult", QRect(50, 115, 80, 15)},
                                          {4, "Div", QRect(50, 135, 80, 15)}}) {
        setUpDialogFrame(*this, "Learn Math Tables", 300, 240);
        const LearnListSetup setup = learnListSetup(student);
        addLabel(this, "learnNumberLabel", "Learn for this number:", QRect(20, 10, 130, 20));
        numbers_ = addDropDownList(this, static_cast<int>(LearnControlId::NumberCombo),
                                   "Learn for this number", QRect(150, 10, 60, 250), setup.entries);
        numbers_->setCurrentIndex(setup.selectedIndex);
        addLabel(this, "mathFunctionLabel", "Choose a math function:", QRect(20, 50, 200, 20));
        options_.check(setup.operation);
        showAll_ = addCheckBox(this, static_cast<int>(LearnControlId::ShowAllAnswers),
                               "Show all answers", QRect(20, 160, 190, 20));
        showAll_->setChecked(showAllAnswers);
        addOkCancelButtons(*this, QRect(160, 200, 60, 30), QRect(230, 200, 60, 30));
        numbers_->setFocus();
    }

    LearnChoice choice() const {
        return LearnChoice{options_.checkedKind(),
                           textToNumber(numbers_->currentText().toStdString()),
                           showAll_->isChecked()};
    }

private:
    OperationOptions options_;
    QComboBox* numbers_ = nullptr;
    QCheckBox* showAll_ = nullptr;
};
} // namespace

std::optional<LearnChoice> askLearnOptions(QWidget* owner, const StudentRecord& student,
                                           bool showAllAnswers) {
    LearnOptionsDialog dialog(owner, student, showAllAnswers);
    if (runCentredWindowModal(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}
