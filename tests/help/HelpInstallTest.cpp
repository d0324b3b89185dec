// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpInstall.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<unsigned char>;
// A one-topic help file whose title is the letter given.
Bytes helpTitled(char letter) {
    return {0x01, 0x00, 0x00, 0x00, 0x01, 0x00, static_cast<unsigned char>(letter), 0x00};
}
const Bytes oldHelp = helpTitled('A');
const Bytes newHelp = helpTitled('B');
const Bytes nextHelp = helpTitled('C');
const Bytes grownUpsHelp = helpTitled('G');

struct InstallCase {
    const char* name;
    const Bytes* programCopied; // what an earlier start copied into the data folder, if anything
    const Bytes* writtenOver;   // what was then written in the data folder by hand, if anything
    bool installed;             // the installed help file (newHelp) exists
    bool copies;                // the call writes the data folder's help file
    Bytes helpAfter;            // the data folder's help file afterwards (empty: none)
    bool followsNext;           // a later upgrade to nextHelp reaches the data folder too
};

class HelpInstallTest : public ::testing::TestWithParam<InstallCase> {};

TEST_P(HelpInstallTest, CopiesFollowsUpgradesAndKeepsAGrownUpsFile) {
    const InstallCase& c = GetParam();
    TempFolder folder;
    const auto shipped = folder.path() / "share" / "tallyburrow.ahp";
    const auto data = folder.path() / "data" / "Quillbyte";
    const auto help = data / "tallyburrow.ahp";
    std::filesystem::create_directories(shipped.parent_path());
    if (c.programCopied) {
        writeBytes(shipped, *c.programCopied);
        ASSERT_TRUE(installHelpFile(help, shipped));
    }
    if (c.writtenOver) {
        std::filesystem::create_directories(data);
        writeBytes(help, *c.writtenOver);
    }
    std::filesystem::remove(shipped);
    if (c.installed) {
        writeBytes(shipped, newHelp);
    }

    EXPECT_EQ(installHelpFile(help, shipped), c.copies);
    EXPECT_EQ(readBytes(help), c.helpAfter);
    EXPECT_FALSE(installHelpFile(help, shipped)) << "a second start copies nothing";
    if (std::filesystem::exists(data)) {
        for (const auto& entry : std::filesystem::directory_iterator(data)) {
            const auto name = entry.path().filename().string();
            EXPECT_TRUE(name == "tallyburrow.ahp" || name == "tallyburrow.ahp.copied")
                << "stray file " << name;
        }
    }

    writeBytes(shipped, nextHelp);
    installHelpFile(help, shipped);
    EXPECT_EQ(readBytes(help), c.followsNext ? nextHelp : c.helpAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpInstallTest,
    ::testing::Values(
        InstallCase{"NothingInstalled", nullptr, nullptr, false, false, {}, true},
        InstallCase{"FirstStart", nullptr, nullptr, true, true, newHelp, true},
        InstallCase{"UpgradeOfOwnCopy", &oldHelp, nullptr, true, true, newHelp, true},
        InstallCase{"GrownUpsFileKept", nullptr, &grownUpsHelp, true, false, grownUpsHelp, false},
        InstallCase{"ReplacedCopyKept", &oldHelp, &grownUpsHelp, true, false, grownUpsHelp, false},
        InstallCase{"IdenticalCopyAdopted", nullptr, &newHelp, true, false, newHelp, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
