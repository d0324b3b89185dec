// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileRead.h"
#include "common/FileWrite.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

// A file of exactly the cap is read whole, also one larger than the block read at a time;
// one byte more is refused.
TEST(FileRead, TheCapIsTheLargestSizeRead) {
    const struct {
        std::size_t size;
        std::int64_t cap;
        ReadStatus status;
    } cases[] = {{10, 10, ReadStatus::Loaded},
                 {11, 10, ReadStatus::TooLarge},
                 {70000, 70000, ReadStatus::Loaded}};
    TempFolder folder;
    const auto path = folder.path() / "file";
    for (const auto& c : cases) {
        const std::vector<unsigned char> bytes(c.size, 'x');
        writeBytes(path, bytes);
        const ReadOutcome read = readWholeFile(path, c.cap);
        EXPECT_EQ(read.status, c.status) << c.size << " bytes, cap " << c.cap;
        EXPECT_EQ(read.bytes,
                  c.status == ReadStatus::Loaded ? bytes : std::vector<unsigned char>{});
    }
}

// A whole-file write replaces the file with one of the same permissions (a class folder shared
// by several accounts keeps its group's rights); a new file gets the usual ones.
TEST(FileWrite, TheNewFileKeepsThePermissionsOfTheOld) {
    TempFolder folder;
    const auto path = folder.path() / "file";
    const mode_t mask = ::umask(0022);
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("new")));
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms(0644)); // 0666 less the mask
    for (const auto perms : {std::filesystem::perms(0660), std::filesystem::perms(0604)}) {
        std::filesystem::permissions(path, perms);
        ASSERT_TRUE(writeFileAtomically(path, QByteArray("again")));
        EXPECT_EQ(std::filesystem::status(path).permissions(), perms);
    }
    ::umask(mask);
    EXPECT_EQ(readText(path), "again");
}
