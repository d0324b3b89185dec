// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileWrite.h"
#include "records/Settings.h"

#include <filesystem>
#include <string>
#include <vector>

// The folder that holds the settings file, the help file and one file per child.
struct DataFolder {
    std::filesystem::path folder;
    std::filesystem::path settingsPath; // folder / "tallyburrow.ini"
    std::filesystem::path helpPath;     // folder / "tallyburrow.ahp"
    std::vector<std::string> studentNames;
    ReadOutcome settingsRead; // how the settings file was read at start-up
    WriteOutcome writable;    // whether anything can be saved in the folder
};

inline constexpr char helpFileName[] = "tallyburrow.ahp";

// Creates the folder with all missing parents, checks that files can be saved there, lists the
// children, reads or creates the settings file. File errors are not fatal: the program goes on
// with the values in memory, and the outcomes say what went wrong.
void initDataFolder(const std::filesystem::path& folder, DataFolder& data, Settings& settings);
