// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Settings.h"

#include "common/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

std::string settingsLine(std::int32_t highestTestId) {
    return numberWithSign(highestTestId) + " \r\n";
}

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the whole part at the start of the text, a sign and digits; 0 when there is
// no digit.
std::size_t wholePartLength(std::string_view text) {
    std::size_t at = text.starts_with('-') || text.starts_with('+') ? 1 : 0;
    const std::size_t digitsFrom = at;
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at == digitsFrom ? 0 : at;
}
} // namespace

std::optional<std::int32_t> settingsValue(const std::vector<unsigned char>& bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view number = text.substr(start);
    const std::size_t wholeLength = wholePartLength(number);
    if (wholeLength == 0) {
        return std::nullopt;
    }
    // Within the range when its whole part is, and rounding a fraction cannot leave it.
    const std::string whole(number.substr(0, wholeLength));
    constexpr std::size_t maxDigits = 12; // more can never be in range; keeps stoll from throwing
    if (whole.size() > maxDigits) {
        return std::nullopt;
    }
    const long long value = std::stoll(whole);
    const long long room = wholeLength < number.size() && number[wholeLength] == '.' ? 1 : 0;
    if (value + room > std::numeric_limits<std::int32_t>::max() ||
        value - room < std::numeric_limits<std::int32_t>::min()) {
        return std::nullopt;
    }
    return textToNumber(number);
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

namespace {
ReadOutcome damaged() {
    return ReadOutcome{ReadStatus::Damaged,
                       {},
                       QCoreApplication::translate(
                           "Settings", "it does not hold a Test ID number the program can use")};
}
} // namespace

ReadOutcome readOrCreateSettings(const std::filesystem::path& path, Settings& settings) {
    ReadOutcome outcome = readDataFile(path, maxSettingsFileBytes);
    if (outcome.status == ReadStatus::Loaded) {
        const std::optional<std::int32_t> value = settingsValue(outcome.bytes);
        if (!value) {
            return damaged();
        }
        settings.highestTestId = *value;
        settings.settingsDirty = false;
    } else if (outcome.status == ReadStatus::Missing) {
        settings.testIdBeingPrinted = 0;
        writeFileAtomically(path, lineBytes(settings.highestTestId));
        settings.settingsDirty = true;
    }
    return outcome;
}

WriteOutcome saveSettingsIfDirty(const std::filesystem::path& path, Settings& settings) {
    if (!settings.settingsDirty) {
        return WriteOutcome{true, {}};
    }
    const ReadOutcome disk = readDataFile(path, maxSettingsFileBytes);
    std::int32_t value = settings.highestTestId;
    if (disk.status == ReadStatus::Loaded) {
        const std::optional<std::int32_t> onDisk = settingsValue(disk.bytes);
        if (!onDisk) {
            return WriteOutcome{false, damaged().reason};
        }
        value = std::max(value, *onDisk);
    } else if (disk.status != ReadStatus::Missing) {
        return WriteOutcome{false, disk.reason};
    }
    return replaceSettings(path, settings = Settings{value, true, settings.testIdBeingPrinted});
}

WriteOutcome replaceSettings(const std::filesystem::path& path, Settings& settings) {
    WriteOutcome written = writeFileAtomically(path, lineBytes(settings.highestTestId));
    if (written) {
        settings.settingsDirty = false;
    }
    return written;
}

QString settingsProblemText(const std::filesystem::path& path, const QString& reason) {
    return QCoreApplication::translate(
               "Settings", "The settings file\n%1\ncannot be read (%2).\n\nIt holds the highest "
                           "Test ID printed so far, so new test pages may repeat an earlier "
                           "Test ID. The file is left as it is.")
        .arg(pathText(path), reason);
}
