#pragma once

#include "help/HelpFile.h"

// Prints a help topic on a printer the user chooses (nothing when the choice is cancelled).
void printHelpTopic(const HelpTopic& topic);
