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
};

struct ReadOutcome {
    ReadStatus status = ReadStatus::Missing;
    std::vector<unsigned char> bytes; // only when Loaded
    QString reason;                   // a short text for a message when not Loaded
};

// Reads the regular file at the path when it holds at most maxBytes bytes. A symbolic link
// is followed; what it leads to must be a regular file too.
ReadOutcome readWholeFile(const std::filesystem::path& path, std::int64_t maxBytes);

// The path as a QString, for messages and Qt's file classes.
QString pathText(const std::filesystem::path& path);
