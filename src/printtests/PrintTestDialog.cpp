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
#include <iterator>

namespace {
// The problem types as written; entry n - 1 is OperationKind n. The list shows them from the
// catalogue.
const char* const problemTypeNames[] = {
    QT_TRANSLATE_NOOP("PrintTestDialog", "Add"),    QT_TRANSLATE_NOOP("PrintTestDialog", "Sub"),
    QT_TRANSLATE_NOOP("PrintTestDialog", "Mul"),    QT_TRANSLATE_NOOP("PrintTestDialog", "Div"),
    QT_TRANSLATE_NOOP("PrintTestDialog", "Mixed"),  QT_TRANSLATE_NOOP("PrintTestDialog", "Add/Sub"),
    QT_TRANSLATE_NOOP("PrintTestDialog", "Mul/Div")};

// The closed problem-type box is 22 pixels high; its list opens below it.
constexpr std::array<ControlRow, 9> table = {{
    {ControlKind::LineEdit, "231", QT_TRANSLATE_NOOP("PrintTestDialog", "Test ID"),
     QRect(20, 20, 40, 20)},
    {ControlKind::MiddleLabel, "testIdLabel", QT_TRANSLATE_NOOP("PrintTestDialog", "Test ID"),
     QRect(65, 20, 120, 15)},
    {ControlKind::LineEdit, "232", QT_TRANSLATE_NOOP("PrintTestDialog", "Number of copies"),
     QRect(20, 50, 40, 20)},
    {ControlKind::MiddleLabel, "copiesLabel",
     QT_TRANSLATE_NOOP("PrintTestDialog", "Number of copies"), QRect(65, 50, 120, 15)},
    {ControlKind::TypedCombo, "233", QT_TRANSLATE_NOOP("PrintTestDialog", "Problem types"),
     QRect(20, 80, 75, 22)},
    {ControlKind::MiddleLabel, "problemTypesLabel",
     QT_TRANSLATE_NOOP("PrintTestDialog", "Problem types"), QRect(105, 80, 120, 15)},
    // As wide as the dialog allows, so a wider default font does not cut the text.
    {ControlKind::CheckBox, "234",
     QT_TRANSLATE_NOOP("PrintTestDialog", "Answers to last page printed"), QRect(20, 120, 260, 15)},
    {ControlKind::Button, "1", QT_TRANSLATE_NOOP("PrintTestDialog", "&Ok"),
     QRect(120, 170, 60, 30)},
    {ControlKind::Button, "2", QT_TRANSLATE_NOOP("PrintTestDialog", "&Cancel"),
     QRect(185, 170, 60, 30)},
}};
} // namespace

PrintTestDialog::PrintTestDialog(QWidget* owner, Settings& settings)
    : QDialog(owner), settings(settings) {
    setUpDialogFrame(*this, tr("Print Test Pages"), 300, 220);
    buildControls();
}

std::span<const ControlRow> PrintTestDialog::controls() {
    return table;
}

void PrintTestDialog::buildControls() {
    addControls(this, "PrintTestDialog", table);
    testId = findChild<QLineEdit*>("231");
    testId->setText(QString::fromStdString(numberWithSign(settings.highestTestId + 1LL)));
    copies = findChild<QLineEdit*>("232");
    problemTypes = findChild<QComboBox*>("233");
    for (const char* name : problemTypeNames) {
        problemTypes->addItem(tr(name));
    }
    problemTypes->setCurrentIndex(0);
    answers = findChild<QCheckBox*>("234");
    connectOkCancelButtons(*this, [this]() { confirm(); });
}

OperationKind PrintTestDialog::chosenKind() const {
    // The name as the list shows it, or as written in English.
    const QString typed = problemTypes->currentText().trimmed();
    for (int item = 0; item < static_cast<int>(std::size(problemTypeNames)); ++item) {
        const char* name = problemTypeNames[item];
        if (typed.compare(tr(name), Qt::CaseInsensitive) == 0 ||
            typed.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            return static_cast<OperationKind>(item + 1);
        }
    }
    return OperationKind::None;
}

void PrintTestDialog::confirm() {
    const OperationKind kind = chosenKind();
    if (kind == OperationKind::None) {
        QMessageBox::information(this, windowTitle(),
                                 tr("\"%1\" is not a problem type.\nChoose one from the list.")
                                     .arg(problemTypes->currentText()));
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
