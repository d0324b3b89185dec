// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpLanguage.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const std::vector<unsigned char> oneTopic = {0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 'T', 0x00};

// Puts at `path`: 'H' a help file, 'E' an empty file, 'Z' a file of no topics, 'D' a folder,
// 'L' a link to a help file; '-' nothing.
void place(const fs::path& path, char kind) {
    std::error_code ignored;
    fs::create_directories(path.parent_path(), ignored);
    const fs::path elsewhere = path.parent_path() / "elsewhere.ahp";
    writeBytes(elsewhere, oneTopic);
    if (kind == 'H' || kind == 'E' || kind == 'Z') {
        writeBytes(path, kind == 'H' ? oneTopic : std::vector<unsigned char>(kind == 'Z' ? 4 : 0));
    } else if (kind == 'D') {
        fs::create_directory(path);
    } else if (kind == 'L') {
        fs::create_symlink(elsewhere, path);
    }
}

} // namespace

// The language's own help file is opened when it reads as help; a missing, empty, damaged or
// linked one, English, and a code that is no language code give the English file.
TEST(HelpLanguage, TheLanguagesHelpElseTheEnglishOne) {
    const struct {
        const char* language;
        const char* lying; // the file that lies beside the English help
        char kind;         // what it is (see place)
        const char* opened;
    } cases[] = {
        {"de", "tallyburrow.de.ahp", 'H', "tallyburrow.de.ahp"},
        {"fr", "tallyburrow.fr.ahp", 'H', "tallyburrow.fr.ahp"},
        {"fr", "tallyburrow.de.ahp", 'H', "tallyburrow.ahp"},
        {"de", "tallyburrow.de.ahp", 'E', "tallyburrow.ahp"},
        {"de", "tallyburrow.de.ahp", 'Z', "tallyburrow.ahp"},
        {"de", "tallyburrow.de.ahp", 'D', "tallyburrow.ahp"},
        {"de", "tallyburrow.de.ahp", 'L', "tallyburrow.ahp"},
        {"", "tallyburrow.de.ahp", 'H', "tallyburrow.ahp"},
        {"DE", "tallyburrow.DE.ahp", 'H', "tallyburrow.ahp"},
        {"..", "tallyburrow....ahp", 'H', "tallyburrow.ahp"},
        {"d/e", "tallyburrow.d/e.ahp", 'H', "tallyburrow.ahp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.lying + " " + c.kind);
        TempFolder folder;
        const fs::path english = folder.path() / "tallyburrow.ahp";
        writeBytes(english, oneTopic);
        place(folder.path() / c.lying, c.kind);
        EXPECT_EQ(chooseHelpFile(english, c.language), folder.path() / c.opened);
    }
}
