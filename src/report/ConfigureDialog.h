#pragma once

#include "records/StudentRecord.h"
#include "report/ConfigureValues.h"

#include <QDialog>

#include <string>

class QLineEdit;
class QWidget;

// Control numbers of the "Configure Program" dialog.
enum class ConfigureControl : int {
    Ok = 1,
    Cancel = 2,
    AddSubPerMin = 311,
    AddSubLow = 312,
    AddSubHigh = 313,
    MulDivPerMin = 314,
    MulDivLow = 315,
    MulDivHigh = 316,
    DataFolder = 325,
};

// The "Configure Program" dialog: the child's rates and number ranges, and the data folder
// shown read-only. Ok stores the typed values in the record; Cancel leaves it untouched.
class ConfigureDialog : public QDialog {
    Q_OBJECT
public:
    ConfigureDialog(StudentRecord& student, const std::string& dataFolderText, QWidget* owner);

    // The six number boxes' current texts.
    ConfigureTexts typedTexts() const;

private:
    void createAddSubSection();
    void createMulDivSection();
    void createFolderAndButtons(const std::string& dataFolderText);
    QLineEdit* addNumberBox(ConfigureControl id, const std::string& text, const char* accessible,
                            QRect rect);
    void addFittedLabel(const char* text, QRect rect, int room = 0);
    void confirm();

    StudentRecord& student_;
    QLineEdit* addSubPerMin_ = nullptr;
    QLineEdit* addSubLow_ = nullptr;
    QLineEdit* addSubHigh_ = nullptr;
    QLineEdit* mulDivPerMin_ = nullptr;
    QLineEdit* mulDivLow_ = nullptr;
    QLineEdit* mulDivHigh_ = nullptr;
};

// Shows the dialog modally over the owner and returns when it closes.
void showConfigureDialog(QWidget* owner, StudentRecord& student, const std::string& dataFolderText);
