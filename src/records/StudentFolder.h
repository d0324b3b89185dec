// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <vector>

// The children's files in the data folder: "<name>.sbk", the extension in any case (a file
// copied from a FAT stick may be called BOB.SBK).

// The names of the children whose files lie in the folder, in listing order, each cut
// before its first "."; a name listed twice is given once.
std::vector<std::string> listStudentNames(const std::filesystem::path& folder);

// The file of the child: "<name>.sbk" when it exists, else a file of the folder named
// "<name>" plus ".sbk" in another case, else the path "<name>.sbk" of a new child.
std::filesystem::path studentFilePath(const std::filesystem::path& folder, const std::string& name);

// A child's name as the bytes of its file name, shown readably: as UTF-8 where the bytes are
// valid UTF-8, else as Latin-1 (a name written on a system of another encoding, such as
// "Zo\xeb"). The bytes themselves stay the name by which the file is found and saved.
QString displayName(const std::string& nameBytes);
