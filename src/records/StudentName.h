// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The name of a child as typed into the greeting: cut before its first ".".
std::string studentNameFromInput(const std::string& typed);

// Why a name cannot be a file name in the data folder, or the empty text when it can.
// Refused: path separators, the characters : * ? " < > |, control characters, names
// reserved by Windows (CON, NUL, COM0, LPT¹, CONIN$...), names ending in a blank, and names too
// long for a file name.
std::string studentNameProblem(const std::string& name);
