// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpLanguage.h"

#include "help/HelpFile.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

// Only a plain language code becomes part of a file name: never a folder or a "..".
bool isLanguageCode(const std::string& code) {
    return (code.size() == 2 || code.size() == 3) &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

} // namespace

fs::path helpFileOfLanguage(const fs::path& englishHelp, const std::string& language) {
    if (!isLanguageCode(language)) {
        return englishHelp;
    }
    fs::path ownFile = englishHelp;
    ownFile.replace_extension("." + language + englishHelp.extension().string());
    return ownFile;
}

fs::path chooseHelpFile(const fs::path& englishHelp, const std::string& language) {
    const fs::path ownFile = helpFileOfLanguage(englishHelp, language);
    if (ownFile != englishHelp && !HelpFile::load(ownFile).notice) {
        return ownFile;
    }
    return englishHelp;
}
