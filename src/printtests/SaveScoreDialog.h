// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printtests/ScoreEntry.h"
#include "records/StudentRecord.h"

#include <QDialog>
#include <QRect>

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

// Where each control stands (client coordinates) and what it shows or is called, in Tab
// order; the builder places the controls from this table and the layout test reads it too.
struct SaveScorePlace {
    int id;           // the control number; 0 for a label
    const char* text; // a box's accessible name, a label's or a button's text, as written
                      // (labels are named by it); shown from the catalogue
    QRect rect;       // the combo box's height here is its open list's; closed it has its own
    int room = 0;     // a label's room before the box to its right
};
inline constexpr SaveScorePlace saveScoreLayout[] = {
    {235, QT_TRANSLATE_NOOP("SaveScoreDialog", "Test date"), {20, 20, 75, 20}},
    {233, QT_TRANSLATE_NOOP("SaveScoreDialog", "Problem types"), {20, 60, 75, 180}},
    {331, QT_TRANSLATE_NOOP("SaveScoreDialog", "Number correct"), {20, 100, 50, 20}},
    {324, QT_TRANSLATE_NOOP("SaveScoreDialog", "Number of problems"), {165, 100, 50, 20}},
    {0, QT_TRANSLATE_NOOP("SaveScoreDialog", "Test date"), {105, 20, 120, 15}, 120},
    {0, QT_TRANSLATE_NOOP("SaveScoreDialog", "Problem types"), {105, 60, 120, 15}, 120},
    {0, QT_TRANSLATE_NOOP("SaveScoreDialog", "Correct out of:"), {75, 100, 90, 15}, 165 - 75 - 2},
    {1, "&Ok", {120, 150, 60, 30}},
    {2, "&Cancel", {185, 150, 60, 30}},
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

// Shows the dialog modally over the owner, with today's date (as displayDate writes it) in the
// date box, and returns when it closes.
void showSaveScoreDialog(QWidget* owner, StudentRecord& student, const std::string& todayText);
