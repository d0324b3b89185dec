// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentRecord.h"

#include <QString>
#include <filesystem>
#include <vector>

// One child's file as the class overview finds it. The overview only reads: it never
// creates, locks or writes a file in the folder.

enum class ChildFileState {
    Read,       // read whole (an empty file is a child with no results yet)
    Damaged,    // not a child file, or cut short: what could be read is kept
    Unreadable, // could not be opened or read, or is not a regular file
};

struct ChildFile {
    QString name;               // the file name without its ".sbk", shown readably
    std::filesystem::path path; // the file name's own bytes, so any name can be read
    ChildFileState state = ChildFileState::Read;
    QString problem; // what is wrong, for a file that is not Read
    std::vector<ScoreRecord> history;
    // The stored values with the program's defaults, as a run opening the child would use
    // them (the ranges of the facts to know); its history is empty: see history above.
    StudentRecord settings;
};

// The child files of a folder (".sbk" in any letter case), sorted by name without regard to
// letter case; empty when the folder does not exist or cannot be listed. The folder is
// listed by the bytes of its names, so a name that is not UTF-8 (written on a system of
// another encoding) is listed too, and found again when read.
std::vector<std::filesystem::path> childFilePaths(const std::filesystem::path& folder);

// Reads one child's file through the records library. This is the one place the overview
// reads a child file.
ChildFile readChildFile(const std::filesystem::path& path);
