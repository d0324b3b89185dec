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

// The number the file begins with; a file that does not begin with one in range is damaged.
TEST(Settings, TheFirstNumberOfTheFileIsTheValue) {
    const std::pair<std::string, std::optional<int>> cases[] = {
        {" 11 \r\n", 11},
        {"\r\n  7.5\r\n", 8},
        {"-3 \r\n", -3},
        {"42", 42},
        {"12 and more", 12},
        {"2147483647 \r\n", 2147483647},
        {"000000000012", 12},
        {"-2147483648 ", -2147483648},
        {"letters\r\n", std::nullopt},
        {"", std::nullopt},
        {"\t\n", std::nullopt},
        {"-", std::nullopt},
        {"99999999999", std::nullopt},
        {"2147483648", std::nullopt},
        {"2147483647.2", std::nullopt},
        {"1234567890123456789012", std::nullopt},
        {std::string("\xff\xfe 1\0 2\0", 8), std::nullopt}}; // UTF-16
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
// stays. A file that cannot be read, or is damaged, is never written over unasked, and a
// damaged one is read as damaged; replacing it is the user's choice.
TEST(Settings, SavingKeepsTheHigherValueAndNeverReplacesAnUnreadFile) {
    const struct {
        const char* onDisk; // nullptr: no file; "/": a folder
        int inMemory;
        bool written;
        std::string after;
    } cases[] = {{nullptr, 5, true, " 5 \r\n"},
                 {" 3 \r\n", 5, true, " 5 \r\n"},
                 {" 9 \r\n", 5, true, " 9 \r\n"},
                 {"junk", 5, false, "junk"},
                 {"/", 5, false, ""}};
    for (const auto& c : cases) {
        TempFolder folder;
        const fs::path path = folder.path() / settingsFileName;
        if (c.onDisk != nullptr && std::string(c.onDisk) == "/") {
            fs::create_directory(path);
        } else if (c.onDisk != nullptr) {
            writeBytes(path, bytesOf(c.onDisk));
        }
        Settings settings{c.inMemory, true, 0};
        const WriteOutcome saved = saveSettingsIfDirty(path, settings);
        EXPECT_EQ(static_cast<bool>(saved), c.written) << c.inMemory;
        EXPECT_EQ(settings.settingsDirty, !c.written);
        EXPECT_EQ(fs::is_directory(path) ? "" : readText(path), c.after);
        Settings read{0, true, 0}; // read at the next start
        const ReadStatus status = readOrCreateSettings(path, read).status;
        if (c.written) {
            EXPECT_EQ(status, ReadStatus::Loaded);
            EXPECT_EQ(settingsLine(read.highestTestId), c.after);
        } else if (!fs::is_directory(path)) {
            EXPECT_EQ(status, ReadStatus::Damaged);
            EXPECT_EQ(read.highestTestId, 0);
            EXPECT_TRUE(replaceSettings(path, settings));
            EXPECT_EQ(readText(path), " 5 \r\n");
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
                Settings settings{value * 1000, true, 0};
                saveSettingsIfDirty(path, settings);
            }
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        const std::string text = readText(path);
        EXPECT_EQ(text, settingsLine(settingsValue(bytesOf(text)).value_or(-1))) << round;
    }
}
