// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileRead.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

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
