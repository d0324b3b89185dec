#pragma once

#include "printtests/ScoreEntry.h"
#include "records/StudentRecord.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLineEdit;
class QWidget;

// Control numbers of the "Save Test Score" dialog.
enum class SaveScoreControl : int {
    Ok = 1,
    Cancel = 2,
    ProblemTypes = 233,
    TestDate = 235,
    Problems = 324,
    Correct = 331,
};

// The "Save Test Score" dialog: date, kind and score of a test done on paper. Ok adds the
// result to the child's history; Cancel records nothing.
class SaveScoreDialog : public QDialog {
    Q_OBJECT
public:
    SaveScoreDialog(StudentRecord& student, const std::string& todayText, QWidget* owner);

    // What the four fields hold now.
    ScoreEntryTexts typedTexts() const;

private:
    void createFields(const std::string& todayText);
    void createLabelsAndButtons();
    void confirm();
    void selectField(ScoreField field);

    StudentRecord& student_;
    QLineEdit* date_ = nullptr;
    QComboBox* kind_ = nullptr;
    QLineEdit* correct_ = nullptr;
    QLineEdit* problems_ = nullptr;
};

// Shows the dialog modally over the owner, with today's date (month-day-year) in the date
// box, and returns when it closes.
void showSaveScoreDialog(QWidget* owner, StudentRecord& student, const std::string& todayText);
