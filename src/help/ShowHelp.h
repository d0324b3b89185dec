// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <string>

// Opens the help window on the help file at `path` and returns when it is closed. The
// window has no owner (the caller's windows stay usable and their timers keep running); it
// is placed at the owner's position (or 0, 0) plus the offsets. A missing or empty file
// shows a message instead. While a help window is open, another call brings it to the front
// and returns at once.
void ShowHelp(const std::string& path, const std::string& caption, QWidget* owner,
              int xOffset = 100, int yOffset = 80);
