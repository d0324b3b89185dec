// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "help/HelpFile.h"

class PrintDevice;

// Prints a help topic on a printer the user chooses: the title (underlined) and
// "Page n" at the top of every page, the text below it wrapped to the page width at
// word-break characters, with tabs expanded to every 8 characters. Nothing is printed
// when the choice of printer is cancelled. Two-sided printing is chosen when the printer
// offers it and the topic needs more than one page.
void PrintTopic(PrintDevice& device, const HelpTopic& topic);

inline constexpr char helpDocumentName[] = "appHelp";
