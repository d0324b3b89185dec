// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/Fluency.h"

#include <QString>

#include <array>

class QPrinter;

// Prints the fluency map: a page per operation with the title, the operation's count line,
// the legend and its grid, each cell in its state's colour with its mark, so the page reads
// the same printed in black and white. False when the printer could not start or finish
// (for example an unwritable PDF file).
bool printFluencyMap(QPrinter& printer, const std::array<FluencyGrid, 4>& grids,
                     const QString& title);
