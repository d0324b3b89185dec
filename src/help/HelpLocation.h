// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

// Where the help file the program ships in the language (empty: English) lies: beside the
// executable (the build tree), or in the installed data folder (share/tallyburrow, found by its
// path from the installed bin folder). When neither holds it, the path beside the executable.
std::filesystem::path installedHelpFilePath(const std::string& language = {});
