// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "help/HelpFile.h"

class QWidget;

// Prints a help topic on a printer the user chooses (nothing when the choice is cancelled).
// The printer dialog belongs to `owner`, which has the keyboard again when it closes.
void printHelpTopic(const HelpTopic& topic, QWidget* owner);
