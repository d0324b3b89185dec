// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/PrintTestDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "common/NumberText.h"
#include "print/QtPrintDevice.h"
#include "print/cTPrint.h"
#include "printtests/TestPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>

#include <array>

namespace {
const QStringList problemTypeNames = {"Add", "Sub", "Mul", "Div", "Mixed", "Add/Sub", "Mul/Div"};

// The closed problem-type box is 22 pixels high; its list opens below it.
constexpr std::array<ControlRow, 9> table = {{
    {ControlKind::LineEdit, "231", "Test ID", QRect(20, 20, 40, 20)},
    {ControlKind::MiddleLabel, "testIdLabel", "Test ID", QRect(65, 20, 120, 15)},
    {ControlKind::LineEdit, "232", "Number of copies", QRect(20, 50, 40, 20)},
    {ControlKind::MiddleLabel, "copiesLabel", "Number of copies", QRect(65, 50, 120, 15)},
    {ControlKind::TypedCombo, "233", "Problem types", QRect(20, 80, 75, 22)},
    {ControlKind::MiddleLabel, "problemTypesLabel", "Problem types", QRect(105, 80, 120, 15)},
    // As wide as the dialog allows, so a wider default font does not cut the text.
    {ControlKind::CheckBox, "234", "Answers to last page printed", QRect(20, 120, 260, 15)},
    {ControlKind::Button, "1", "&Ok", QRect(120, 170, 60, 30)},
    {ControlKind::Button, "2", "&Cancel", QRect(185, 170, 60, 30)},
}};
} // namespace

PrintTestDialog::PrintTestDialog(QWidget* owner, Settings& settings)
    : QDialog(owner), settings(settings) {
    setUpDialogFrame(*this, "Print Test Pages", 300, 220);
    buildControls();
}

std::span<const ControlRow> PrintTestDialog::controls() {
    return table;
}

void PrintTestDialog::buildControls() {
    addControls(this, table);
    testId = findChild<QLineEdit*>("231");
    testId->setText(QString::fromStdString(numberWithSign(settings.highestTestId + 1LL)));
    copies = findChild<QLineEdit*>("232");
    problemTypes = findChild<QComboBox*>("233");
    problemTypes->addItems(problemTypeNames);
    problemTypes->setCurrentIndex(0);
    answers = findChild<QCheckBox*>("234");
    connectOkCancelButtons(*this, [this]() { confirm(); });
}

OperationKind PrintTestDialog::chosenKind() const {
    const QString typed = problemTypes->currentText().trimmed();
    for (int item = 0; item < problemTypeNames.size(); ++item) {
        if (typed.compare(problemTypeNames[item], Qt::CaseInsensitive) == 0) {
            return static_cast<OperationKind>(item + 1);
        }
    }
    return OperationKind::None;
}

void PrintTestDialog::confirm() {
    const OperationKind kind = chosenKind();
    if (kind == OperationKind::None) {
        QMessageBox::information(this, "Print Test Pages",
                                 "\"" + problemTypes->currentText() +
                                     "\" is not a problem type.\nChoose one from the list.");
        problemTypes->setFocus();
        return;
    }
    const int testNumber = textToNumber(testId->text().toStdString());
    notePrintedTestId(settings, testNumber);
    chosen =
        Choice{testNumber, textToNumber(copies->text().toStdString()), answers->isChecked(), kind};
    accept();
}

void showPrintTestDialog(QWidget* owner, Settings& settings, const PrintTestAction& print) {
    PrintTestDialog dialog(owner, settings);
    if (runCentredWindowModal(dialog) == QDialog::Accepted) {
        const PrintTestDialog::Choice& chosen = dialog.choice();
        print(chosen.testNumber, chosen.copies, chosen.withAnswers, chosen.kind);
    }
}

void showPrintTestDialog(QWidget* owner, Settings& settings, const StudentRecord& student) {
    showPrintTestDialog(
        owner, settings,
        [&student, owner](int testNumber, int copies, bool withAnswers, OperationKind kind) {
            QtPrintDevice device(owner);
            cTPrint printer(device);
            RandomGenerator random;
            printTestPage(printer, testNumber, copies, withAnswers, kind, student, random);
        });
}
