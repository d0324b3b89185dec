// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Settings.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::vector<unsigned char> bytesOf(const std::string& text) {
    return std::vector<unsigned char>(text.begin(), text.end());
}
} // namespace

TEST(Settings, TheFirstNumberOfTheFileIsTheValue) {
    const std::pair<std::string, int> cases[] = {
        {" 11 \r\n", 11}, {"letters\r\n", 0}, {"", 0},     {"\r\n  7.5\r\n", 8},
        {"-3 \r\n", -3},  {"42", 42},         {"\t\n", 0}, {"99999999999", 2147483647}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(settingsValue(bytesOf(text)), value) << text;
    }
}

// Printing with a Test ID above the highest raises it; any printed ID seeds the pages.
TEST(Settings, APrintedTestIdRaisesTheHighest) {
    const struct {
        int highest, printed, after;
        bool dirty;
    } cases[] = {{11, 12, 12, true}, {20, 5, 20, false}, {4, 4, 4, false}, {0, -7, 0, false}};
    for (const auto& c : cases) {
        Settings settings{c.highest, false, 0};
        notePrintedTestId(settings, c.printed);
        EXPECT_EQ(settings.highestTestId, c.after) << c.printed;
        EXPECT_EQ(settings.settingsDirty, c.dirty) << c.printed;
        EXPECT_EQ(settings.testIdBeingPrinted, c.printed);
    }
}

// Another copy may have printed higher IDs since this one read the file: the higher value
// stays. A file that cannot be read is never written over.
TEST(Settings, SavingKeepsTheHigherValueAndNeverReplacesAnUnreadFile) {
    const struct {
        const char* onDisk; // nullptr: no file; "/": a folder
        int inMemory;
        bool written;
        std::string after;
    } cases[] = {{nullptr, 5, true, " 5 \r\n"},
                 {" 3 \r\n", 5, true, " 5 \r\n"},
                 {" 9 \r\n", 5, true, " 9 \r\n"},
                 {"junk", 5, true, " 5 \r\n"},
                 {"/", 5, false, ""}};
    for (const auto& c : cases) {
        TempFolder folder;
        const fs::path path = folder.path() / settingsFileName;
        if (c.onDisk != nullptr && std::string(c.onDisk) == "/") {
            fs::create_directory(path);
        } else if (c.onDisk != nullptr) {
            writeBytes(path, bytesOf(c.onDisk));
        }
        const WriteOutcome saved = saveSettingsIfDirty(path, Settings{c.inMemory, true, 0});
        EXPECT_EQ(static_cast<bool>(saved), c.written) << c.inMemory;
        EXPECT_EQ(fs::is_directory(path) ? "" : readText(path), c.after);
        if (c.written) { // read at the next start; settings that are not dirty leave the file
            Settings read{0, true, 0};
            EXPECT_EQ(readOrCreateSettings(path, read).status, ReadStatus::Loaded);
            EXPECT_EQ(settingsLine(read.highestTestId++), c.after);
            EXPECT_TRUE(saveSettingsIfDirty(path, read));
            EXPECT_EQ(readText(path), c.after);
        }
    }
}

// A writer killed at random moments of its saves always leaves the old value or a new one,
// never an empty or torn file.
TEST(Settings, AKillDuringASaveLeavesTheOldFileOrTheNew) {
    TempFolder folder;
    const fs::path path = folder.path() / settingsFileName;
    writeBytes(path, bytesOf(" 1 \r\n"));
    std::mt19937 random(7);
    for (int round = 0; round < 60; ++round) {
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (std::int32_t value = 1;; ++value) {
                saveSettingsIfDirty(path, Settings{value * 1000, true, 0});
            }
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        const std::string text = readText(path);
        EXPECT_EQ(text, settingsLine(settingsValue(bytesOf(text)))) << round;
    }
}
