// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpInstall.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {
// A one-topic help file whose title is the letter given ('-': no file).
std::vector<unsigned char> helpTitled(char letter) {
    if (letter == '-') {
        return {};
    }
    return {0x01, 0x00, 0x00, 0x00, 0x01, 0x00, static_cast<unsigned char>(letter), 0x00};
}
} // namespace

// Help A was copied into the data folder by an earlier start, G written there by hand, B is
// the installed help now and C the next upgrade's; '-' stands for none.
TEST(HelpInstall, CopiesFollowsUpgradesAndKeepsAGrownUpsFile) {
    const struct {
        char programCopied, writtenOver, installed;
        bool copies;
        char helpAfter;
        bool followsNext;
    } cases[] = {
        {'-', '-', '-', false, '-', true},  // nothing installed
        {'-', '-', 'B', true, 'B', true},   // first start
        {'A', '-', 'B', true, 'B', true},   // upgrade of the program's own copy
        {'-', 'G', 'B', false, 'G', false}, // a grown-up's file is kept
        {'A', 'G', 'B', false, 'G', false}, // a replaced copy is kept
        {'-', 'B', 'B', false, 'B', true},  // an identical copy is adopted
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((std::string{c.programCopied, c.writtenOver, c.installed}));
        TempFolder folder;
        const auto shipped = folder.path() / "share" / "tallyburrow.ahp";
        const auto data = folder.path() / "data" / "Quillbyte";
        const auto help = data / "tallyburrow.ahp";
        std::filesystem::create_directories(shipped.parent_path());
        if (c.programCopied != '-') {
            writeBytes(shipped, helpTitled(c.programCopied));
            ASSERT_TRUE(installHelpFile(help, shipped));
        }
        if (c.writtenOver != '-') {
            std::filesystem::create_directories(data);
            writeBytes(help, helpTitled(c.writtenOver));
        }
        std::filesystem::remove(shipped);
        if (c.installed != '-') {
            writeBytes(shipped, helpTitled(c.installed));
        }

        EXPECT_EQ(installHelpFile(help, shipped), c.copies);
        EXPECT_EQ(readBytes(help), helpTitled(c.helpAfter));
        EXPECT_FALSE(installHelpFile(help, shipped)) << "a second start copies nothing";

        writeBytes(shipped, helpTitled('C'));
        installHelpFile(help, shipped);
        EXPECT_EQ(readBytes(help), helpTitled(c.followsNext ? 'C' : c.helpAfter));
    }
}
