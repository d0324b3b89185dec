// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileRead.h"
#include "records/BinaryIo.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The one value of the settings file (the highest Test ID printed, so that the next printing
// proposes the next free number across runs), and the Test ID being printed.
struct Settings {
    std::int32_t highestTestId = 0;
    bool settingsDirty = false;
    std::int32_t testIdBeingPrinted = 0;
};

inline constexpr char settingsFileName[] = "tallyburrow.ini";
// A valid file holds one short line; blanks around the number are allowed.
constexpr std::int64_t maxSettingsFileBytes = 4096;

// The settings file's one line: the number with its sign place, a blank, CR LF.
std::string settingsLine(std::int32_t highestTestId);

// The number the file's text begins with, blanks and line ends before it skipped, rounded to a
// whole number. Nothing when the text does not begin with a number (letters, another
// encoding, an empty file) or the number is beyond the 32-bit range: such a file is damaged.
std::optional<std::int32_t> settingsValue(const std::vector<unsigned char>& bytes);

// Printing with a Test ID: a Test ID above the highest becomes the highest and the file is
// to be written at quit; the printed ID is the seed of the pages.
void notePrintedTestId(Settings& settings, std::int32_t testId);

// Reads the file at the path into the settings. A missing file is created holding the value
// in memory and the settings become dirty; a file that cannot be read, or is damaged
// (Damaged), leaves the value and is left as it is.
ReadOutcome readOrCreateSettings(const std::filesystem::path& path, Settings& settings);

// Writes the value when the settings are dirty; the flag is cleared once it is on the disk.
// Another copy may have printed higher Test IDs since: the larger value of the two is written.
// A file that exists but cannot be read, or is damaged, is left as it is, since its value is
// unknown: the outcome says why, and only replaceSettings writes over it.
WriteOutcome saveSettingsIfDirty(const std::filesystem::path& path, Settings& settings);

// Writes the value in memory over a damaged settings file, once the user agreed.
WriteOutcome replaceSettings(const std::filesystem::path& path, Settings& settings);

// The message that tells of a settings file that cannot be read.
QString settingsProblemText(const std::filesystem::path& path, const QString& reason);
