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
    // The two sections differ only in their name, their place and their boxes.
    struct Section {
        const char* name; // the heading, also the start of the boxes' accessible names
        int top;          // y of the heading
        int thruWidth;
        ConfigureControl perMinId, lowId, highId;
        const std::string& perMinText;
        const std::string& lowText;
        const std::string& highText;
    };
    struct SectionBoxes {
        QLineEdit* perMin = nullptr;
        QLineEdit* low = nullptr;
        QLineEdit* high = nullptr;
    };
    SectionBoxes createSection(const Section& section);
    void createFolderAndButtons(const std::string& dataFolderText);
    QLineEdit* addNumberBox(ConfigureControl id, const std::string& text, const QString& accessible,
                            QRect rect);
    void addFittedLabel(const char* text, QRect rect, int room = 0);
    void confirm();

    StudentRecord& student_;
    SectionBoxes addSub_;
    SectionBoxes mulDiv_;
};

// Shows the dialog modally over the owner and returns when it closes.
void showConfigureDialog(QWidget* owner, StudentRecord& student, const std::string& dataFolderText);
