// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file reader: any bytes give one value or none (damaged), and the line written
// for a value reads back as the same value.
#include "FuzzCheck.h"
#include "records/Settings.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<std::int32_t> read =
        settingsValue(std::vector<unsigned char>(data, data + size));
    if (!read) {
        return 0;
    }
    const std::int32_t value = *read;
    const std::string line = settingsLine(value);
    FUZZ_CHECK(line.size() <= 14); // sign place, ten digits, blank, CR LF
    FUZZ_CHECK(line.ends_with(" \r\n"));
    FUZZ_CHECK(settingsValue(std::vector<unsigned char>(line.begin(), line.end())) == value);

    Settings settings{value, false, 0};
    notePrintedTestId(settings, value == INT32_MIN ? value : value - 1);
    FUZZ_CHECK(settings.highestTestId == value && !settings.settingsDirty);
    return 0;
}
