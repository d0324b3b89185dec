// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ControlTable.h"
#include "common/OperationKind.h"
#include "records/Settings.h"
#include "records/StudentRecord.h"

#include <QDialog>

#include <functional>
#include <span>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The step that prints the pages once the dialog is confirmed and closed.
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

    PrintTestDialog(QWidget* owner, Settings& settings);

    // The dialog's controls, client pixels of its 300 x 220 area.
    static std::span<const ControlRow> controls();

    // What a confirmed dialog asks to print.
    struct Choice {
        int testNumber = 0;
        int copies = 0;
        bool withAnswers = false;
        OperationKind kind = OperationKind::None;
    };
    const Choice& choice() const { return chosen; }

private:
    void buildControls();
    void confirm();
    OperationKind chosenKind() const;

    Settings& settings;
    Choice chosen;
    QLineEdit* testId = nullptr;
    QLineEdit* copies = nullptr;
    QComboBox* problemTypes = nullptr;
    QCheckBox* answers = nullptr;
};

// Shows the dialog modally and, once it is confirmed and closed, prints on the system's
// printer; the printer dialog belongs to the owner, which has the keyboard again after it.
void showPrintTestDialog(QWidget* owner, Settings& settings, const StudentRecord& student);

// The same dialog with the printing step given by the caller, run after the dialog closed.
void showPrintTestDialog(QWidget* owner, Settings& settings, const PrintTestAction& print);
