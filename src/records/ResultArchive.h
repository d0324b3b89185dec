// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileRead.h"
#include "common/FileWrite.h"
#include "records/StudentRecord.h"

#include <filesystem>
#include <vector>

// A child's file holds the newest 1000 results. Older ones are never dropped: they move to
// an archive beside it ("Bob.sbk.archive"), which the report and the chart read too. The
// archive is the magic "TBarchv1" followed by the 8-byte records, oldest first.

inline constexpr char archiveMagic[] = "TBarchv1";
constexpr std::size_t archiveMagicBytes = 8;
// About a million results: decades of daily tests, and still read at once.
constexpr std::int64_t maxArchiveFileBytes = 8 * 1024 * 1024;

std::filesystem::path archivePath(const std::filesystem::path& childFile);

std::vector<unsigned char> archiveBytes(const std::vector<ScoreRecord>& records);

// The archived results; a missing archive holds none. A file that is not an archive, or
// cannot be read, gives Damaged or its read status with the reason, and no results.
struct ArchiveRead {
    ReadOutcome outcome;
    std::vector<ScoreRecord> records;
};
ArchiveRead readArchive(const std::filesystem::path& childFile);

// Adds the results to the end of the archive, unless it already ends with them (a save that
// stopped between the archive and the child's file is then not archived twice). An archive
// that cannot be read is never written over.
WriteOutcome addToArchive(const std::filesystem::path& childFile,
                          const std::vector<ScoreRecord>& oldest);
