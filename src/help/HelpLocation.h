#pragma once

#include <filesystem>

// Where the help file the program ships lies: beside the executable (the build tree), or in
// ../share/tallyburrow from it (an installed program). When neither holds it, the path
// beside the executable.
std::filesystem::path installedHelpFilePath();
