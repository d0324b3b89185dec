// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentRecord.h"

#include <QString>
#include <QStringList>

#include <vector>

// One child's file as the class overview finds it. The overview only reads: it never
// creates, locks or writes a file in the folder.

enum class ChildFileState {
    Read,       // read whole (an empty file is a child with no results yet)
    Damaged,    // not a child file, or cut short: what could be read is kept
    Unreadable, // could not be opened or read, or is not a regular file
};

struct ChildFile {
    QString name; // the file name without its ".sbk"
    QString path;
    ChildFileState state = ChildFileState::Read;
    QString problem; // what is wrong, for a file that is not Read
    std::vector<ScoreRecord> history;
};

// The child files of a folder (".sbk" in any letter case), sorted by name; empty when the
// folder does not exist or cannot be listed.
QStringList childFilePaths(const QString& folder);

// Reads one child's file through the records library. This is the one place the overview
// reads a child file.
ChildFile readChildFile(const QString& path);
