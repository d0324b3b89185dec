#pragma once

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

// dataFolder / (name + ".sbk").
std::filesystem::path studentFilePath(const std::filesystem::path& dataFolder,
                                      const std::string& name);

// Fills the record from the bytes of a student file, applying the defaults. Never trusts
// the stored count: a negative count is 0, and at most 1000 records and at most as many as
// the bytes hold are taken.
void readStudentBytes(StudentRecord& student, const std::vector<unsigned char>& bytes);

// The bytes a save leaves in the file: the header, then, when results were added in this
// run or the file as loaded held a count, the count and the records.
std::vector<unsigned char> studentFileBytes(const StudentRecord& student);

std::array<unsigned char, scoreRecordBytes> encodeScoreRecord(const ScoreRecord& record);
ScoreRecord decodeScoreRecord(const unsigned char* bytes);

// Sets the name and path and reads the file; a missing file is created empty so that the
// child is listed next time. File errors leave a new child's values.
void loadStudentFile(StudentRecord& student, const std::filesystem::path& dataFolder,
                     const std::string& name);

// Writes the file through a temporary file and a rename, so a crash or a full disk never
// leaves a torn file. Returns false when the file could not be written.
bool saveStudentFile(const StudentRecord& student);
