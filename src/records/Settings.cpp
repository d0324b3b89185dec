// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Settings.h"

#include "common/NumberText.h"

#include <algorithm>
#include <string_view>

std::string settingsLine(std::int32_t highestTestId) {
    return numberWithSign(highestTestId) + " \r\n";
}

std::int32_t settingsValue(const std::vector<unsigned char>& bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    return start == std::string_view::npos ? 0 : textToNumber(text.substr(start));
}

void notePrintedTestId(Settings& settings, std::int32_t testId) {
    // Raised before printing, so the number stays used even if printing is cancelled.
    if (settings.highestTestId < testId) {
        settings.highestTestId = testId;
        settings.settingsDirty = true;
    }
    settings.testIdBeingPrinted = testId;
}

namespace {
std::vector<unsigned char> lineBytes(std::int32_t value) {
    const std::string line = settingsLine(value);
    return std::vector<unsigned char>(line.begin(), line.end());
}
} // namespace

ReadOutcome readOrCreateSettings(const std::filesystem::path& path, Settings& settings) {
    const ReadOutcome outcome = readDataFile(path, maxSettingsFileBytes);
    if (outcome.status == ReadStatus::Loaded) {
        settings.highestTestId = settingsValue(outcome.bytes);
        settings.settingsDirty = false;
    } else if (outcome.status == ReadStatus::Missing) {
        settings.testIdBeingPrinted = 0;
        writeFileAtomically(path, lineBytes(settings.highestTestId));
        settings.settingsDirty = true;
    }
    return outcome;
}

WriteOutcome saveSettingsIfDirty(const std::filesystem::path& path, const Settings& settings) {
    if (!settings.settingsDirty) {
        return WriteOutcome{true, {}};
    }
    const ReadOutcome disk = readDataFile(path, maxSettingsFileBytes);
    std::int32_t value = settings.highestTestId;
    if (disk.status == ReadStatus::Loaded) {
        value = std::max(value, settingsValue(disk.bytes));
    } else if (disk.status != ReadStatus::Missing) {
        return WriteOutcome{false, disk.reason};
    }
    return writeFileAtomically(path, lineBytes(value));
}
