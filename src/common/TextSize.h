// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QSettings;

// The text size a grown-up chooses for the program, in percent of the default: kept with the
// user's settings (QSettings in the user's configuration folder), never in the data folder's
// settings file nor in a child's file, because it belongs to the person at this computer.
QList<int> textSizeChoices(); // 100, 125, 150, 200
inline constexpr int defaultTextPercent = 100;

// The kept choice; a missing or unknown value gives the default.
int readTextPercent(const QSettings& settings);
void writeTextPercent(QSettings& settings, int percent);

// The scale of the program's text against the size its windows were drawn for (1: as drawn),
// by which a control with a font of its own (the practice area's big numbers) grows too.
double textScale();
void setTextScale(double scale);
