// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// One test result, stored as 8 little-endian bytes without padding.
struct ScoreRecord {
    std::uint16_t date = 0;     // packed: bits 0-4 day, 5-8 month, 9-15 year - 1980
    std::uint8_t kind = 0;      // OperationKind 1 to 7
    std::uint8_t timeLimit = 0; // minutes of an on-screen test; 0 for a printed test
    std::int16_t problems = 0;
    std::int16_t correct = 0;

    bool operator==(const ScoreRecord&) const = default;
};

constexpr std::size_t scoreRecordBytes = 8;
constexpr std::size_t maxScoreRecords = 1000;
constexpr std::int32_t defaultStoredValue = 12;

class QLockFile;

// Whether this run may write the child's file.
enum class Saving {
    Allowed,
    ReadOnly, // opened while another copy held it: saved only once that copy has let go
    Off,      // the file could not be read: it is never written over
};

// What changed in this run besides the four stored values.
enum class ChangeState : int {
    Unchanged = 0,
    ScoresChanged = 1,
    LearnChoiceChanged = -1,
};

// The current child's stored values and score history. One instance lives for the run.
struct StudentRecord {
    std::string studentName;
    std::filesystem::path path;

    std::int32_t addSubHigh = 0;
    std::int32_t mulDivHigh = 0;
    std::int32_t addSubPerMin = 0;
    std::int32_t mulDivPerMin = 0;
    std::int32_t addSubLow = 0;
    std::int32_t mulDivLow = 0;
    std::int32_t mixedLow = 0;
    std::int32_t mixedHigh = 0;
    std::int32_t lastLearnOp = 0;
    std::int32_t lastLearnNumber = 0;

    // The four stored values exactly as read, before the defaults of 12 were applied.
    std::int32_t loadedAddSubHigh = 0;
    std::int32_t loadedMulDivHigh = 0;
    std::int32_t loadedAddSubPerMin = 0;
    std::int32_t loadedMulDivPerMin = 0;

    // Oldest first. The file holds the newest maxScoreRecords; more stand here only between a
    // result added to a full history and the save that moves the oldest to the archive.
    std::vector<ScoreRecord> history;
    std::vector<ScoreRecord> archived; // results moved to the archive, oldest first
    ChangeState changeState = ChangeState::Unchanged;

    // True when the file as loaded held a record count (it was at least 39 bytes long and
    // began with the magic); a save then writes the count and records back.
    bool loadedWithCount = false;

    // The Learn choice, the bytes and the number of results as loaded: a save compares the
    // file on disk with these to find results another copy added in the meantime.
    std::int32_t loadedLastLearnOp = 0;
    std::int32_t loadedLastLearnNumber = 0;
    std::vector<unsigned char> loadedBytes;
    std::size_t loadedCount = 0;

    Saving saving = Saving::Allowed;
    std::shared_ptr<QLockFile> lock; // held while this run has the child open

    // This run's journal: when the run began (milliseconds since 1970, UTC) and the bytes last
    // written to it, so that an unchanged session is not written again.
    std::int64_t sessionStartMs = 0;
    std::vector<unsigned char> journaledBytes;
    std::filesystem::path journaledPath; // where they were written
};

// True when any of the four stored values differs from its loaded copy.
bool storedValuesChanged(const StudentRecord& student);

// Adds one result. A history that already holds what the file can hold takes it too: the
// next save moves the oldest results to the archive.
void appendScore(StudentRecord& student, std::uint16_t date, int kind, int timeLimit, int problems,
                 int correct);

// True when the history holds more than the child's file can, so that a save will archive.
bool historyOverflows(const StudentRecord& student);

// Every result of the child, the archived ones first: what the report and the chart show.
std::vector<ScoreRecord> allResults(const StudentRecord& student);

// The stored values as they are now become those "as loaded".
void noteValuesAsLoaded(StudentRecord& student);

// The state after a save: what was written is what the file holds now.
void markSaved(StudentRecord& student);

// Notes the choice confirmed in the Learn options dialog.
void noteLearnChoice(StudentRecord& student, int operation, int number);

// mixedHigh becomes the larger of the two high ends (mixedLow is left as it is).
void updateMixedHigh(StudentRecord& student);
