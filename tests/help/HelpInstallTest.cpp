// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpInstall.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<unsigned char>;
const Bytes oldHelp = {0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 'A', 0x00};
const Bytes newHelp = {0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 'B', 0x00};
const Bytes nextHelp = {0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 'C', 0x00};
const Bytes grownUpsHelp = {0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 'G', 0x00};

enum class Before { Nothing, ProgramsCopyOfOld, GrownUpsFile, GrownUpReplacedCopy, SameNoNote };

struct InstallCase {
    const char* name;
    Before before;
    bool installed;   // the installed help file exists
    bool copies;      // the call writes the data folder's help file
    Bytes helpAfter;  // the data folder's help file afterwards (empty: none)
    bool followsNext; // a later upgrade to nextHelp reaches the data folder too
};

class HelpInstallTest : public ::testing::TestWithParam<InstallCase> {};

// Lays out the data folder as a previous run or a grown-up left it.
void prepare(const std::filesystem::path& help, Before before) {
    const auto programCopies = [&](const Bytes& bytes) {
        std::filesystem::path shipped = help;
        shipped += ".shipped";
        writeBytes(shipped, bytes);
        ASSERT_TRUE(installHelpFile(help, shipped));
        std::filesystem::remove(shipped);
    };
    switch (before) {
    case Before::Nothing:
        break;
    case Before::ProgramsCopyOfOld:
        programCopies(oldHelp);
        break;
    case Before::GrownUpsFile:
        writeBytes(help, grownUpsHelp);
        break;
    case Before::GrownUpReplacedCopy:
        programCopies(oldHelp);
        writeBytes(help, grownUpsHelp);
        break;
    case Before::SameNoNote:
        writeBytes(help, newHelp);
        break;
    }
}

TEST_P(HelpInstallTest, CopiesFollowsUpgradesAndKeepsAGrownUpsFile) {
    const InstallCase& c = GetParam();
    TempFolder folder;
    const auto shipped = folder.path() / "share" / "tallyburrow.ahp";
    const auto data = folder.path() / "data" / "Quillbyte";
    const auto help = data / "tallyburrow.ahp";
    std::filesystem::create_directories(shipped.parent_path());
    if (c.before != Before::Nothing) {
        std::filesystem::create_directories(data);
    }
    prepare(help, c.before);
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
        InstallCase{"NothingInstalled", Before::Nothing, false, false, {}, true},
        InstallCase{"FirstStart", Before::Nothing, true, true, newHelp, true},
        InstallCase{"UpgradeOfOwnCopy", Before::ProgramsCopyOfOld, true, true, newHelp, true},
        InstallCase{"GrownUpsFileKept", Before::GrownUpsFile, true, false, grownUpsHelp, false},
        InstallCase{"ReplacedCopyKept", Before::GrownUpReplacedCopy, true, false, grownUpsHelp,
                    false},
        InstallCase{"IdenticalCopyAdopted", Before::SameNoNote, true, false, newHelp, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
