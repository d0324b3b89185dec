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
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(data.settingsPath, folder / "tallyburrow.ini");
    EXPECT_EQ(data.helpPath, folder / "tallyburrow.ahp");
    EXPECT_EQ(readText(data.settingsPath), " 0 \r\n");
    EXPECT_TRUE(settings.settingsDirty);
    EXPECT_EQ(settings.highestTestId, 0);
    EXPECT_TRUE(data.studentNames.empty());
    EXPECT_FALSE(helpFileExists(data));
}

TEST(DataFolder, ExistingSettingsAreReadAndNotDirty) {
    TempFolder temp;
    writeBytes(temp.path() / "tallyburrow.ini", {' ', '1', '1', ' ', '\r', '\n'});
    DataFolder data;
    Settings settings;
    initDataFolder(temp.path(), data, settings);
    EXPECT_EQ(settings.highestTestId, 11);
    EXPECT_FALSE(settings.settingsDirty);

    saveSettingsIfDirty(data, settings); // not dirty: left as it was
    settings.highestTestId = 12;
    EXPECT_EQ(readText(data.settingsPath), " 11 \r\n");
    settings.settingsDirty = true;
    saveSettingsIfDirty(data, settings);
    EXPECT_EQ(readText(data.settingsPath), " 12 \r\n");
}

TEST(DataFolder, OddSettingsFilesHaveADefinedValue) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"letters\r\n", 0}, {"", 0}, {"\r\n  7.5\r\n", 8}, {"-3 \r\n", -3}, {"42", 42}};
    for (const auto& [text, expected] : cases) {
        TempFolder temp;
        writeBytes(temp.path() / "tallyburrow.ini",
                   std::vector<unsigned char>(text.begin(), text.end()));
        DataFolder data;
        Settings settings;
        initDataFolder(temp.path(), data, settings);
        EXPECT_EQ(settings.highestTestId, expected) << text;
        EXPECT_FALSE(settings.settingsDirty);
    }
    EXPECT_EQ(settingsLine(-3), "-3 \r\n");
}

TEST(DataFolder, StudentNamesAreCutAtTheFirstDot) {
    TempFolder temp;
    for (const char* file :
         {"ann.sbk", "bob.sbk", "a.b.sbk", "notes.txt", ".sbk", "ann.x.sbk", "CAPS.SBK"}) {
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

TEST(DataFolder, UnwritableFolderKeepsValuesInMemory) {
    TempFolder temp;
    writeBytes(temp.path() / "file", {});
    DataFolder data;
    Settings settings;
    settings.highestTestId = 4;
    initDataFolder(temp.path() / "file" / "sub", data, settings); // a file stands in the way
    EXPECT_EQ(settings.highestTestId, 4);
    EXPECT_TRUE(data.studentNames.empty());
}
