// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentRecord.h"
#include "report/AnswerLimitChoice.h"
#include "report/ConfigureValues.h"

#include <QDialog>
#include <QRect>

#include <array>

#include <string>

class QComboBox;
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
    AnswerLimit = 317,
    DataFolder = 325,
    TextSize = 318,
};

// Where each control stands (client coordinates) and what it shows or is called, in the
// order of creation, which is also the Tab order; a label that reaches under the box to its
// right is fitted into its room before that box. The builder places the controls from this
// table and the layout test reads it too.
struct ConfigurePlace {
    int id;           // the control number; 0 for a label
    const char* text; // a box's accessible name, a label's or a button's text, as written
                      // (labels are named by it); shown from the catalogue
    QRect rect;
    int room = 0; // a label's room before the box to its right; 0: not fitted
};
inline constexpr int perMinLabelRoom = 200 - 20 - 2;
inline constexpr int rangeLabelRoom = 190 - 20 - 2;
inline constexpr int limitLabelRoom = 190 - 10 - 2;
inline constexpr ConfigurePlace configureLayout[] = {
    {0, QT_TRANSLATE_NOOP("ConfigureDialog", "Add and Sub"), {10, 10, 200, 20}},
    {0,
     QT_TRANSLATE_NOOP("ConfigureDialog", "Number of problems per min:"),
     {20, 30, 190, 20},
     perMinLabelRoom},
    {0,
     QT_TRANSLATE_NOOP("ConfigureDialog", "Number Range to work with:"),
     {20, 50, 190, 20},
     rangeLabelRoom},
    {311,
     QT_TRANSLATE_NOOP("ConfigureDialog", "Add and Sub problems per minute"),
     {200, 30, 40, 20}},
    {312, QT_TRANSLATE_NOOP("ConfigureDialog", "Add and Sub lowest number"), {190, 50, 30, 20}},
    {0, QT_TRANSLATE_NOOP("ConfigureDialog", "thru"), {225, 50, 25, 20}},
    {313, QT_TRANSLATE_NOOP("ConfigureDialog", "Add and Sub highest number"), {250, 50, 30, 20}},
    {0, QT_TRANSLATE_NOOP("ConfigureDialog", "Mult and Div"), {10, 90, 200, 20}},
    {0,
     QT_TRANSLATE_NOOP("ConfigureDialog", "Number of problems per min:"),
     {20, 110, 190, 20},
     perMinLabelRoom},
    {0,
     QT_TRANSLATE_NOOP("ConfigureDialog", "Number Range to work with:"),
     {20, 130, 190, 20},
     rangeLabelRoom},
    {314,
     QT_TRANSLATE_NOOP("ConfigureDialog", "Mult and Div problems per minute"),
     {200, 110, 40, 20}},
    {315, QT_TRANSLATE_NOOP("ConfigureDialog", "Mult and Div lowest number"), {190, 130, 30, 20}},
    {0, QT_TRANSLATE_NOOP("ConfigureDialog", "thru"), {225, 130, 20, 20}},
    {316, QT_TRANSLATE_NOOP("ConfigureDialog", "Mult and Div highest number"), {250, 130, 30, 20}},
    {0,
     QT_TRANSLATE_NOOP("ConfigureDialog", "Answer time limit:"),
     {10, 163, 180, 22},
     limitLabelRoom},
    {317, QT_TRANSLATE_NOOP("ConfigureDialog", "Answer time limit"), {190, 163, 130, 22}},
    {0, QT_TRANSLATE_NOOP("ConfigureDialog", "Data Folder:"), {10, 200, 80, 30}, 90 - 10 - 2},
    {325, QT_TRANSLATE_NOOP("ConfigureDialog", "Data Folder"), {90, 200, 300, 25}},
    {0, QT_TRANSLATE_NOOP("ConfigureDialog", "Text size:"), {10, 264, 80, 22}, 90 - 10 - 2},
    {318, QT_TRANSLATE_NOOP("ConfigureDialog", "Text size"), {90, 264, 110, 22}},
    {1, "&Ok", {260, 260, 60, 30}},
    {2, "&Cancel", {330, 260, 60, 30}},
};

// The "Configure Program" dialog: the child's rates and number ranges, the answer time limit
// that decides when a fact counts as known, and the data folder shown read-only. Ok stores the
// typed values in the record and the chosen limit in the caller's choice; Cancel leaves both
// untouched.
class ConfigureDialog : public QDialog {
    Q_OBJECT
public:
    // Without a limit choice the limit box shows "Automatic" and is disabled.
    // Without a text size the text size box shows the default and is disabled; Ok stores the
    // chosen percent in it.
    ConfigureDialog(StudentRecord& student, const std::string& dataFolderText, QWidget* owner,
                    AnswerLimitChoice* limit = nullptr, int* textPercent = nullptr);

    // The six number boxes' current texts.
    ConfigureTexts typedTexts() const;

private:
    void createControl(const ConfigurePlace& place, const ConfigureTexts& texts,
                       const std::string& dataFolderText);
    QComboBox* createLimitBox(const ConfigurePlace& place);
    QComboBox* createTextSizeBox(const ConfigurePlace& place);
    void confirm();

    StudentRecord& student_;
    AnswerLimitChoice* limit_ = nullptr;
    QComboBox* limitBox_ = nullptr;
    int* textPercent_ = nullptr;
    QComboBox* textSizeBox_ = nullptr;
    std::array<QLineEdit*, 6> boxes_{}; // the number boxes in Tab order, 311 to 316
};

// Shows the dialog modally over the owner and returns when it closes. The limit choice comes
// in as the grown-up's current choice (0: automatic) and goes out with `changed` telling
// whether Ok stored another one; the caller then logs it as the child's limit.
void showConfigureDialog(QWidget* owner, StudentRecord& student, const std::string& dataFolderText,
                         AnswerLimitChoice* limit = nullptr, int* textPercent = nullptr);
