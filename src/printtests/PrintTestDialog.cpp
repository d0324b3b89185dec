#include "printtests/PrintTestDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "common/NumberText.h"
#include "common/TextFit.h"
#include "print/QtPrintDevice.h"
#include "print/cTPrint.h"
#include "printtests/TestPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>
#include <utility>

namespace {
const QStringList problemTypeNames = {"Add", "Sub", "Mul", "Div", "Mixed", "Add/Sub", "Mul/Div"};
constexpr int comboHeight = 22; // the closed box; the list opens below it

constexpr Qt::Alignment labelAlignment = Qt::AlignLeft | Qt::AlignVCenter;
} // namespace

PrintTestDialog::PrintTestDialog(QWidget* owner, Settings& settings, PrintTestAction print)
    : QDialog(owner), settings(settings), print(std::move(print)) {
    setUpDialogFrame(*this, "Print Test Pages", 300, 220);
    buildControls();
}

void PrintTestDialog::buildControls() {
    testId = addLineEdit(this, testIdBox, "Test ID", QRect(20, 20, 40, 20),
                         QString::fromStdString(numberWithSign(settings.highestTestId + 1LL)));
    addLabel(this, "testIdLabel", "Test ID", QRect(65, 20, 120, 15), labelAlignment);

    copies = addLineEdit(this, copiesBox, "Number of copies", QRect(20, 50, 40, 20));
    addLabel(this, "copiesLabel", "Number of copies", QRect(65, 50, 120, 15), labelAlignment);

    problemTypes = new QComboBox(this);
    problemTypes->setEditable(true);
    problemTypes->setInsertPolicy(QComboBox::NoInsert);
    problemTypes->addItems(problemTypeNames);
    problemTypes->setCurrentIndex(0);
    problemTypes->setAccessibleName("Problem types");
    placeControl(problemTypes, problemTypesBox, QRect(20, 80, 75, comboHeight));
    addLabel(this, "problemTypesLabel", "Problem types", QRect(105, 80, 120, 15), labelAlignment);

    answers = new QCheckBox("Answers to last page printed", this);
    // Wider than laid out when the default font needs it, as far as the dialog has room; a
    // text still wider than that is fitted.
    const int answersWidth = std::clamp(answers->sizeHint().width(), 190, 260);
    placeControl(answers, answersCheck, QRect(20, 120, answersWidth, 15));
    fitText(answers);

    addOkCancelButtons(*this, QRect(120, 170, 60, 30), QRect(185, 170, 60, 30),
                       [this]() { confirm(); });
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
    const int copyCount = textToNumber(copies->text().toStdString());
    print(testNumber, copyCount, answers->isChecked(), kind);
    accept();
}

void showPrintTestDialog(QWidget* owner, Settings& settings, const PrintTestAction& print) {
    PrintTestDialog dialog(owner, settings, print);
    runCentredWindowModal(dialog);
}

void showPrintTestDialog(QWidget* owner, Settings& settings, const StudentRecord& student) {
    showPrintTestDialog(
        owner, settings,
        [&student](int testNumber, int copies, bool withAnswers, OperationKind kind) {
            QtPrintDevice device;
            cTPrint printer(device);
            RandomGenerator random;
            printTestPage(printer, testNumber, copies, withAnswers, kind, student, random);
        });
}
