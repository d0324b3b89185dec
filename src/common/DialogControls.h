// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ControlTable.h"
#include "common/DialogButtonId.h"

#include <QRect>
#include <QString>

#include <functional>

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls placed at their pixel rectangles, each named by its number (or, for controls
// without a number, by a descriptive name), so tests and assistive tools find them by it.
// Labels, check boxes and option buttons get their text fitted (see TextFit.h).

// Names a control made by the caller and places it at its rectangle.
void placeControl(QWidget* control, const QString& name, const QRect& rect);
void placeControl(QWidget* control, int id, const QRect& rect);

// A plain-text label; `alignment` says where the text sits in the rectangle.
QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
QPushButton* addButton(QWidget* parent, int id, const QString& text, const QRect& rect);
QLineEdit* addLineEdit(QWidget* parent, int id, const QString& accessibleName, const QRect& rect,
                       const QString& text = QString());

// A combo box typed into takes the focus in its line edit: both are named after the label.
void nameTypedInComboBox(QComboBox* combo, const QString& accessibleName);

// Connects the buttons Ok (1, made the default button) and Cancel (2: rejects) that the
// dialog's table made. Ok runs `onOk`, or accepts when none is given.
void connectOkCancelButtons(QDialog& dialog, const std::function<void()>& onOk = nullptr);

// Ok (1, the default button) and Cancel (2: rejects). Ok runs `onOk`, or accepts when none
// is given.
void addOkCancelButtons(QDialog& dialog, const QRect& okRect, const QRect& cancelRect,
                        const std::function<void()>& onOk = nullptr);

// A button of a window laid out in rows: named by its number, read without its "&" and
// "...", never the default by having the focus, added at the end of `row`.
class QBoxLayout;
QPushButton* addRowButton(QWidget* parent, QBoxLayout* row, int id, const QString& text);
