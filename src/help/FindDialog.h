#pragma once

#include <QDialog>

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

    // Shows the dialog over `owner` and returns what was typed.
    static Answer ask(QWidget* owner);

private:
    QLineEdit* findTextBox;
    QCheckBox* wholeWordBox;
};
