// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's font: the desktop's face at the desktop's size, never below the 10 points the
// windows were drawn for, times the text size the grown-up chose (TextSize.h). The windows
// keep their drawn places only in English at the drawn size; otherwise they grow with their
// texts (TextFit.h, GrowingLayout.h).
void setUpProgramFont(bool translated);
// Keeps a new choice and shows every window at it at once.
void changeTextSize(int percent);
int chosenTextPercent();
