#pragma once

#include "common/OperationKind.h"
#include "records/Settings.h"
#include "records/StudentRecord.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The step that prints the pages once the dialog is confirmed.
using PrintTestAction =
    std::function<void(int testNumber, int copies, bool withAnswers, OperationKind kind)>;

// "Print Test Pages": the Test ID (proposed as the highest printed one + 1), the number of
// copies, the problem type and whether the answers are printed.
class PrintTestDialog : public QDialog {
    Q_OBJECT

public:
    enum ControlId : int {
        testIdBox = 231,
        copiesBox = 232,
        problemTypesBox = 233,
        answersCheck = 234,
    };

    PrintTestDialog(QWidget* owner, Settings& settings, PrintTestAction print);

private:
    void buildControls();
    void confirm();
    OperationKind chosenKind() const;

    Settings& settings;
    PrintTestAction print;
    QLineEdit* testId = nullptr;
    QLineEdit* copies = nullptr;
    QComboBox* problemTypes = nullptr;
    QCheckBox* answers = nullptr;
};

// Shows the dialog modally and prints on the system's printer when confirmed.
void showPrintTestDialog(QWidget* owner, Settings& settings, const StudentRecord& student);

// The same dialog with the printing step given by the caller.
void showPrintTestDialog(QWidget* owner, Settings& settings, const PrintTestAction& print);
