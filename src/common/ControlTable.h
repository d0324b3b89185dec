#pragma once

#include <QRect>
#include <QString>

#include <span>

class QWidget;

// A window's controls stand in one table of rows: the window's builder makes them from it and
// its layout test checks them against it, so no rectangle is written twice.

enum class ControlKind {
    Label,    // plain text, left and top aligned, fitted to its rectangle
    Button,   // push button
    Option,   // radio button
    CheckBox, // check box
    Placed,   // made by the window itself (a list, a table...); the table only places it
};

struct ControlRow {
    ControlKind kind = ControlKind::Placed;
    const char* name = ""; // objectName: the control's number, or a name for one without
    const char* text = ""; // shown text; for a placed control its accessible name
    QRect rect;            // client pixels
    int fontPoints = 0;    // 0: the window's font (fitted to the rectangle but on buttons)
};

// The objectName of a control with a number.
QString controlName(int id);

// Makes the control of a row (any kind but Placed) as a child of parent.
QWidget* addControl(QWidget* parent, const ControlRow& row);

// Makes every row's control but the placed ones.
void addControls(QWidget* parent, std::span<const ControlRow> rows);

// Names, places and sizes a control the window made itself, from its row.
void placeControl(QWidget* control, const ControlRow& row);

// The row of the given name; a table without it is a programming error (asserts) and gives
// an empty row.
const ControlRow& rowNamed(std::span<const ControlRow> rows, const char* name);
