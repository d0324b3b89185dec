#pragma once

#include <QRect>
#include <QString>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

// Controls placed at their pixel rectangles, each named by its number (or, for labels
// without a number, by a descriptive name).

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect);
QPushButton* addButton(QWidget* parent, int id, const QString& text, const QRect& rect);
QRadioButton* addOptionButton(QWidget* parent, int id, const QString& text, const QRect& rect);
QCheckBox* addCheckBox(QWidget* parent, int id, const QString& text, const QRect& rect);

// A drop-down list without typing. openRect is the rectangle with the list open: the closed
// box takes its usual height at the top, and the open list shows as many entries as fit.
QComboBox* addDropDownList(QWidget* parent, int id, const QString& accessibleName,
                           const QRect& openRect, const std::vector<std::string>& entries);

// Ok (1, the default button: accepts) and Cancel (2: rejects).
void addOkCancelButtons(QDialog& dialog, const QRect& okRect, const QRect& cancelRect);

// Shows a label's new text, shrinking its font where needed so the whole text fits.
void setFittedText(QLabel* label, const QString& text);

// Texts are measured in the program's font, which can be wider than the one the rectangles
// were laid out for: a label, check box or option button whose text would be cut off at its
// rectangle gets a smaller font (down to minimumFittedPointSize) instead.
constexpr double minimumFittedPointSize = 7.0;
void fitFontToWidth(QWidget* control);

// The objectName of a control with a number.
QString controlName(int id);
