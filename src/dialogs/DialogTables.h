// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ControlTable.h"

#include <span>

// The control tables of the dialogs of this folder, in client pixels. Each dialog is built
// from its table, and its layout test reads the same table.
std::span<const ControlRow> learnOptionsControls();
std::span<const ControlRow> drillOptionsControls();
std::span<const ControlRow> testOptionsControls();
std::span<const ControlRow> mathTestControls();
std::span<const ControlRow> resultsControls();
