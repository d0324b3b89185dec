// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataFolder.h"

#include "records/StudentFolder.h"

#include <system_error>

namespace fs = std::filesystem;

void initDataFolder(const fs::path& folder, DataFolder& data, Settings& settings) {
    data.folder = folder;
    std::error_code error;
    if (fs::is_directory(folder, error)) {
        data.studentNames = listStudentNames(folder);
    } else {
        fs::create_directories(folder, error);
        data.studentNames.clear();
    }
    data.writable = checkFolderWritable(folder);
    data.settingsPath = folder / settingsFileName;
    data.settingsRead = readOrCreateSettings(data.settingsPath, settings);
    data.helpPath = folder / helpFileName;
}
