// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpInstall.h"
#include "common/FileRead.h"
#include "help/HelpFile.h"
#include "support/TempFolder.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

// A link (to a victim file whose hash the note holds, or to /dev/zero), a FIFO or a folder in
// place of the help file or its note is left as it is and nothing is written where it points;
// such a help file counts as none, and reading it says so at once.
TEST(HelpInstall, HostileEntriesAreLeftAsTheyAre) {
    namespace fs = std::filesystem;
    for (const char* name : {"tallyburrow.ahp", "tallyburrow.ahp.copied"}) {
        for (const char kind :
             {'L', 'F', 'Z', 'D'}) { // link to the victim, FIFO, /dev/zero, folder
            SCOPED_TRACE(std::string(name) + " " + kind);
            TempFolder folder;
            const auto shipped = folder.path() / "tallyburrow.ahp";
            const auto victim = folder.path() / "victim";
            const auto help = folder.path() / "data" / "tallyburrow.ahp";
            const auto hostile = help.parent_path() / name;
            fs::create_directories(help.parent_path());
            writeBytes(shipped, helpTitled('B'));
            writeBytes(victim, helpTitled('V'));
            const QByteArray hash = QCryptographicHash::hash(QByteArrayView(helpTitled('V')),
                                                             QCryptographicHash::Sha256)
                                        .toHex();
            writeBytes(fs::path(help.string() + ".copied"), {hash.begin(), hash.end()});
            fs::remove(hostile);
            if (kind == 'F') {
                ASSERT_EQ(mkfifo(hostile.c_str(), 0600), 0);
            } else if (kind == 'D') {
                fs::create_directory(hostile);
            } else {
                fs::create_symlink(kind == 'L' ? victim : fs::path("/dev/zero"), hostile);
            }
            const EntryKind before = entryKind(hostile);
            const bool copies = hostile != help;
            EXPECT_EQ(installHelpFile(help, shipped), copies);
            EXPECT_EQ(readBytes(victim), helpTitled('V'));
            EXPECT_EQ(entryKind(hostile), before);
            EXPECT_EQ(HelpFile::isDataFile(help), copies);
            EXPECT_EQ(HelpFile::load(help).topics.size(), copies ? 1u : 0u);
        }
    }
}
