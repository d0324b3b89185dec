// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

// The help comes as one file per language: the English tallyburrow.ahp, and beside it
// tallyburrow.<code>.ahp for each language it is written in (tallyburrow.de.ahp).

// The help file of the language beside the English one at `englishHelp`. English (an empty
// code), and a code that is not two or three lower-case letters, give the English file itself.
std::filesystem::path helpFileOfLanguage(const std::filesystem::path& englishHelp,
                                         const std::string& language);

// The help file to open in the language: its own file when that reads as help with topics (see
// HelpFile::load), else the English one, which is also the answer for English.
std::filesystem::path chooseHelpFile(const std::filesystem::path& englishHelp,
                                     const std::string& language);
