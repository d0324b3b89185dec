// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <vector>

// Whole-file writes that either put down the whole new file or leave the old one as it was.

// Whether a write reached the disk, and why not when it did not.
struct WriteOutcome {
    bool written = false;
    QString reason; // a short text for a message when not written

    explicit operator bool() const { return written; }
};

// Writes the bytes to a new temporary file beside the target (created exclusively, written
// unbuffered so a full disk shows at once, flushed to the disk), then renames it over the
// target and flushes the folder: a crash or a full disk at any moment leaves either the old
// file or the new one, never a torn one. A symbolic link, folder, FIFO or device at the
// target is refused and left as it is: the rename would replace a link, but nothing is ever
// written where a link points.
WriteOutcome writeFileAtomically(const std::filesystem::path& target, const QByteArray& bytes);
WriteOutcome writeFileAtomically(const std::filesystem::path& target,
                                 const std::vector<unsigned char>& bytes);

// Moves a finished file (one the caller wrote beside the target, such as a printed PDF) over
// the target with the same guarantees: the file is flushed to the disk first and given the
// permissions of the file it replaces, and a link or special file at the target is refused.
// On failure the finished file is removed.
WriteOutcome replaceFileAtomically(const std::filesystem::path& finished,
                                   const std::filesystem::path& target);

// Whether files can be made in the folder: a file is made there exclusively and removed.
WriteOutcome checkFolderWritable(const std::filesystem::path& folder);

// Creates an empty file where nothing is (never through a link, never over anything); false
// when it could not.
bool createEmptyFile(const std::filesystem::path& path);
