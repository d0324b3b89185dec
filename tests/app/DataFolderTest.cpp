// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataFolder.h"

#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(DataFolder, FirstRunCreatesFolderWithParentsAndSettingsHoldingZero) {
    TempFolder temp;
    const fs::path folder = temp.path() / "share" / "Quillbyte" / "Tallyburrow";
    DataFolder data;
    Settings settings;
    initDataFolder(folder, data, settings);
    EXPECT_EQ(data.settingsPath, folder / "tallyburrow.ini");
    EXPECT_EQ(data.helpPath, folder / "tallyburrow.ahp");
    EXPECT_EQ(readText(data.settingsPath), " 0 \r\n");
    EXPECT_TRUE(settings.settingsDirty);
    EXPECT_TRUE(data.studentNames.empty());
    EXPECT_TRUE(data.writable);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "the settings file alone: the probe is gone";
}

// Names are cut at the first dot, the extension is matched in any case, folders are left out.
TEST(DataFolder, StudentNamesAreListedOnce) {
    TempFolder temp;
    for (const char* file : {"ann.sbk", "bob.sbk", "a.b.sbk", "notes.txt", ".sbk", "ann.x.sbk",
                             "CAPS.SBK", "ann.sbk.lock"}) {
        writeBytes(temp.path() / file, {});
    }
    fs::create_directory(temp.path() / "folder.sbk");
    DataFolder data;
    Settings settings;
    initDataFolder(temp.path(), data, settings);
    auto names = data.studentNames;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"CAPS", "a", "ann", "bob"}));
}

// A folder where nothing can be saved keeps the values in memory and says why, to be told
// at the greeting.
TEST(DataFolder, UnwritableFolderKeepsValuesInMemory) {
    TempFolder temp;
    writeBytes(temp.path() / "file", {});
    DataFolder data;
    Settings settings;
    settings.highestTestId = 4;
    initDataFolder(temp.path() / "file" / "sub", data, settings); // a file stands in the way
    EXPECT_EQ(settings.highestTestId, 4);
    EXPECT_FALSE(data.writable);
    EXPECT_FALSE(data.writable.reason.isEmpty());
}
