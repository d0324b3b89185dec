// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ControlTable.h"

#include <QDialog>

#include <span>

#include <string>

class QCheckBox;
class QLineEdit;

// "Text to Find": asks for the text to search the help topics for.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    enum class ControlId { FindTextBox = 9999, WholeWordBox = 9998, Ok = 1 };

    struct Answer {
        std::string text; // UTF-8, blanks at both ends removed; empty when cancelled
        bool confirmed = false;
        bool wholeWord = true;
    };

    explicit FindDialog(QWidget* owner);

    // The dialog's controls, client pixels of its 250 x 110 area.
    static std::span<const ControlRow> controls();

    // Shows the dialog over `owner` and returns what was typed.
    static Answer ask(QWidget* owner);

private:
    QLineEdit* findTextBox;
    QCheckBox* wholeWordBox;
};
