#pragma once

#include <filesystem>

// Puts the help file the program ships into the data folder when the folder has none.
// Copies `installedCopy` to `helpPath` (creating missing folders) and returns true when
// `helpPath` held no file and the copy succeeded; otherwise changes nothing and returns
// false. The copy is written beside the target and renamed, so no torn file is left.
bool installHelpFileIfMissing(const std::filesystem::path& helpPath,
                              const std::filesystem::path& installedCopy);
