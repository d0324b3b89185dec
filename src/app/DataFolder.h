#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The folder that holds the settings file, the help file and one file per child.
struct DataFolder {
    std::filesystem::path folder;
    std::filesystem::path settingsPath; // folder / "tallyburrow.ini"
    std::filesystem::path helpPath;     // folder / "tallyburrow.ahp"
    std::vector<std::string> studentNames;
};

// The one value of the settings file, and the Test ID being printed.
struct Settings {
    std::int32_t highestTestId = 0;
    bool settingsDirty = false;
    std::int32_t testIdBeingPrinted = 0;
};

inline constexpr char settingsFileName[] = "tallyburrow.ini";
inline constexpr char helpFileName[] = "tallyburrow.ahp";

// The names of the children whose "*.sbk" files lie in the folder, in listing order, each
// cut before its first "."; a name listed twice is given once.
std::vector<std::string> listStudentNames(const std::filesystem::path& folder);

// The settings file's one line: the number with its sign place, a blank, CR LF.
std::string settingsLine(std::int32_t highestTestId);

// Creates the folder with all missing parents, lists the children, reads or creates the
// settings file. File errors are not fatal: the program goes on with the values in memory.
void initDataFolder(const std::filesystem::path& folder, DataFolder& data, Settings& settings);

// True when a file (not a folder) lies at the help file's path.
bool helpFileExists(const DataFolder& data);

// Rewrites the settings file when the settings are dirty. The flag stays set.
void saveSettingsIfDirty(const DataFolder& data, const Settings& settings);
