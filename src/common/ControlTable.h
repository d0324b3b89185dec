// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <span>

class QWidget;

// A window's controls stand in one table of rows: the window's builder makes them from it and
// its layout test checks them against it, so no rectangle is written twice.

enum class ControlKind {
    Label,       // plain text, left and top aligned, fitted to its rectangle
    MiddleLabel, // the same, centred vertically (beside a one-line box)
    Button,      // push button
    Option,      // radio button
    CheckBox,    // check box
    LineEdit,    // one-line box; the text is its accessible name
    DropDown,    // list without typing; the text is its accessible name, the rectangle the one
                 // with the list open (the closed box takes its usual height at the top)
    TypedCombo,  // combo box typed into (no new entries); it and its line edit are named by
                 // the text
    Placed,      // made by the window itself (a list, a table...); the table only places it
};

// A table marks its texts with QT_TRANSLATE_NOOP("<its window's context>", "...") and is built
// under that context, so each text is shown from the catalogue.
struct ControlRow {
    ControlKind kind = ControlKind::Placed;
    const char* name = ""; // objectName: the control's number, or a name for one without
    const char* text = ""; // shown text; for a placed control its accessible name
    QRect rect;            // client pixels
    int fontPoints = 0;    // 0: the window's font (fitted to the rectangle but on buttons)
};

// The objectName of a control with a number.
QString controlName(int id);

// The row's text as shown: looked up in the catalogue under `context`; a null context shows
// it as written.
QString rowText(const char* context, const ControlRow& row);

// Makes the control of a row (any kind but Placed) as a child of parent, its text translated
// under `context`. A drop-down list gets its entries from the window, which then calls
// fitDropDown.
QWidget* addControl(QWidget* parent, const char* context, const ControlRow& row);

// Makes every row's control in the table's order, which is the Tab order, the texts translated
// under `context`; a placed control is made by `makePlaced` (rows of that kind are skipped
// when none is given) and placed.
void addControls(QWidget* parent, const char* context, std::span<const ControlRow> rows,
                 const std::function<QWidget*(const ControlRow&)>& makePlaced = nullptr);
// The same with the texts shown as written, for a table whose texts are not marked yet.
void addControls(QWidget* parent, std::span<const ControlRow> rows,
                 const std::function<QWidget*(const ControlRow&)>& makePlaced = nullptr);

// Gives a drop-down list with its entries its closed height and shows as many entries as
// fit in the open rectangle of its row.
class QComboBox;
void fitDropDown(QComboBox* combo, const ControlRow& row);

// Names, places and sizes a control the window made itself, from its row; a placed control
// without an accessible name is named by the row's text, translated under `context`.
void placeControl(QWidget* control, const char* context, const ControlRow& row);

// The row of the given name; a table without it is a programming error (asserts) and gives
// an empty row.
const ControlRow& rowNamed(std::span<const ControlRow> rows, const char* name);
