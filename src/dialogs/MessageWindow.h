// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QDialog;

#include <optional>
#include <string>

// The program's own message box: sized to its text, the text in a colour on white, topmost,
// over the active window. style mod 16 picks the buttons (3 Yes/No/Cancel, 4 Yes/No, 1
// Ok/Cancel, else Ok); a style above 6 widens the left margin. beep non-zero plays the alert
// sound. (x, y) is the top-left corner on the screen, both 0 to centre it. Lines of text are
// separated by carriage return + line feed. Returns 6 Yes, 7 No, 2 Cancel or 1 Ok; Esc gives 7
// (2 in the Ok/Cancel set).
int showMessage(const std::string& text, int style, const std::string& caption, int beep, int x,
                int y, std::optional<QColor> colour = std::nullopt);

// The same message opened without waiting: the returned window, deleted once closed, tells
// the answer through QDialog::finished.
QDialog* openMessage(const std::string& text, int style, const std::string& caption, int beep,
                     int x, int y, std::optional<QColor> colour = std::nullopt);
