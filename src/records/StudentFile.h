// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileRead.h"
#include "records/BinaryIo.h"
#include "records/StudentRecord.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The binary student file: the magic "Tallyburrow", six little-endian 32-bit values, then
// a record count and the 8-byte score records.

constexpr std::size_t studentHeaderBytes = 35;
constexpr std::size_t studentCountOffset = 35;
constexpr std::size_t studentRecordsOffset = 39;
inline constexpr char studentFileMagic[] = "Tallyburrow";
inline constexpr char studentFileExtension[] = ".sbk";
// Far more than the largest file the program writes (39 + 1000 x 8 bytes), so that a file
// written by hand with extra records still opens, and small enough to read at once.
constexpr std::int64_t maxStudentFileBytes = 64 * 1024;

// Fills the record from the bytes of a student file, applying the defaults. Never trusts
// the stored count: a negative count is 0, and at most 1000 records and at most as many as
// the bytes hold are taken.
void readStudentBytes(StudentRecord& student, const std::vector<unsigned char>& bytes);

// A child file that is there but does not begin with the magic: damaged, never written over.
// (An empty file is a new child's, made at the greeting.)
bool isDamagedStudentFile(const std::vector<unsigned char>& bytes);

// The results still whole in a file whose start is damaged: the stored count when it fits the
// bytes, else every record the bytes hold (at most 1000), leaving out records that no save
// could have written (zeroed, an unknown kind, negative counts).
std::vector<ScoreRecord> recoverScoreRecords(const std::vector<unsigned char>& bytes);

// What is wrong with the bytes of a child file, in words for a grown-up; empty when nothing is.
// recordsRead is how many results readStudentBytes took from them.
QString studentFileDamage(const std::vector<unsigned char>& bytes, std::size_t recordsRead);

// The bytes a save leaves in the file: the header, then, when results were added in this
// run or the file as loaded held a count, the count and the records.
std::vector<unsigned char> studentFileBytes(const StudentRecord& student);

std::array<unsigned char, scoreRecordBytes> encodeScoreRecord(const ScoreRecord& record);
ScoreRecord decodeScoreRecord(const unsigned char* bytes);

// Sets the name and the path (the child's file as found in the folder, whatever the case of
// its extension) and reads the file and its archive. A missing file is created empty so that
// the child is listed next time. When the file cannot be read the record holds a new child's
// values and the outcome says why; a damaged file (Damaged) gives the results still whole in
// it. Either file is left as it is.
ReadOutcome loadStudentFile(StudentRecord& student, const std::filesystem::path& dataFolder,
                            const std::string& name);

// What to write when the file on disk changed since it was loaded: the results loaded, those
// another copy added, then those added in this run (the first 1000), and for each stored value
// the one changed in this run, or else the one on disk.
StudentRecord mergeWithDisk(const StudentRecord& mine, const StudentRecord& onDisk);

// Writes the file atomically. When another copy changed it since it was loaded, its results
// are merged in rather than written over; a file that exists but cannot be read, or is
// damaged, is never replaced. Results beyond what the file holds move to the archive first.
// On success the record holds what was written and counts as unchanged.
WriteOutcome saveStudentFile(StudentRecord& student);
