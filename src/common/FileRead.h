// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <filesystem>
#include <vector>

// Reading a whole small file with every failure turned into a defined outcome: nothing
// throws, nothing blocks on a FIFO or a device, and nothing reads more than a given cap.

enum class ReadStatus {
    Loaded,     // bytes holds the whole file
    Missing,    // nothing lies at the path
    NotAFile,   // a folder, FIFO, device or socket lies at the path
    Unreadable, // the file exists but could not be opened or read
    TooLarge,   // the file is larger than the cap
    Damaged,    // read, but it is not what its reader expects (set by the readers above)
};

struct ReadOutcome {
    ReadStatus status = ReadStatus::Missing;
    std::vector<unsigned char> bytes; // only when Loaded
    QString reason;                   // a short text for a message when not Loaded
};

// Reads the regular file at the path when it holds at most maxBytes bytes. A symbolic link
// is followed; what it leads to must be a regular file too.
ReadOutcome readWholeFile(const std::filesystem::path& path, std::int64_t maxBytes);

// The same for a file of the data folder, which others may be able to write: a symbolic link
// at the path is not followed but refused (NotAFile), so a link never makes the program read,
// and later write, a file outside the folder.
ReadOutcome readDataFile(const std::filesystem::path& path, std::int64_t maxBytes);

// What lies at a path, the path itself (a link is not followed).
enum class EntryKind { Missing, File, Link, Other };
EntryKind entryKind(const std::filesystem::path& path);

// The short reason for a message when a data file's entry is not a plain file.
QString entryReason(EntryKind kind);

// The path as a QString, for messages and Qt's file classes; never throws, also for a name
// that is not valid in the system's encoding.
QString pathText(const std::filesystem::path& path);
