// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileRead.h"
#include "common/FileWrite.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

// Every answer the child gives, fact by fact, kept beside the child's file in a log of its own
// ("Bob.sbk.answers"); the child's file is never touched by it.
//
// Why an append-only log and not a database such as SQLite: the data folder often lies on a
// school's SMB or NFS share, where SQLite's file locking is unreliable and a database can be
// corrupted by two computers. An answer here is one small write at the end of the file plus
// one flush; a kill loses at most the answer being written, and nothing already written is
// ever rewritten in place. Only the run holding the child's lock appends to the log; a run
// without it keeps its own ("Bob.sbk.<computer>-<pid>-<start>.answers"), folded into the main
// log when the child is next opened with the lock.
//
// The file: a 32-byte header, then 32-byte records. All numbers are little-endian.
//   header: "TBanswrs", u16 version (1), u16 record size (32), u32 0, u64 the log's id (drawn
//           when the log is made), u32 0, u32 CRC-32 of the 28 bytes before it.
//   record: u8 kind, u8 operation (1 add, 2 sub, 3 mul, 4 div), u8 flags, u8 0,
//           i32 first operand, i32 second operand (the list builder allows any int range),
//           u32 milliseconds, u16 packed date, u16 0, u32 count right, u32 count wrong,
//           u32 CRC-32 of the 28 bytes before it.
//   kind 1, an answer: flags bit 0 right, bit 1 a flash card's time ran out; milliseconds from
//           the problem appearing to the answer complete (held at the u32 limit); counts 0.
//   kind 2, a summary of a fact's older answers (written by compaction): the counts, the
//           milliseconds of its right answers added up (held at the limit), the newest date.
//   kind 3, a folded log: the operands hold the id of a log folded in (low, high 32 bits), so
//           that folding the same log again adds nothing.
//   kind 4, the child's answer limit: operation 0, flags 1 the child's measured typing time, 2
//           a limit a grown-up chose (0 ms: back to the measured one); the milliseconds, the
//           date. The newest of each source counts.
// A record whose checksum fails at the end of the file (or a partial one) is one torn by a
// kill: it is ignored, and cut off before the next answer is appended. A failing record
// followed by good ones is damage: the log is then read but never appended to or rewritten.

struct LoggedAnswer {
    int operation = 0;
    std::int32_t first = 0;
    std::int32_t second = 0;
    bool right = false;
    bool timedOut = false;
    std::uint32_t milliseconds = 0;
    std::uint16_t date = 0;

    bool operator==(const LoggedAnswer&) const = default;
};

struct FactSummary {
    int operation = 0;
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::uint32_t right = 0;
    std::uint32_t wrong = 0;
    std::uint32_t rightMilliseconds = 0;
    std::uint16_t newestDate = 0;

    bool operator==(const FactSummary&) const = default;
};

enum class LimitSource { TypingTime = 1, GrownUp = 2 };
struct LimitSetting {
    LimitSource source = LimitSource::TypingTime;
    std::uint32_t milliseconds = 0;
    std::uint16_t date = 0;

    bool operator==(const LimitSetting&) const = default;
};

struct AnswerLogContents {
    std::uint64_t logId = 0;
    std::vector<std::uint64_t> folded; // ids of the logs folded in
    std::vector<FactSummary> summaries;
    std::vector<LoggedAnswer> answers; // oldest first
    std::vector<LimitSetting> limits;  // oldest first

    bool operator==(const AnswerLogContents&) const = default;
};

constexpr std::size_t answerRecordBytes = 32;
// 1,000,000 records: far more than compaction lets a log hold.
constexpr std::int64_t maxAnswerLogBytes = 32 * 1024 * 1024;
// A log holding more answers than this is compacted when the child is opened with the lock,
// keeping the newest answersKeptPerFact of each fact.
constexpr std::size_t compactAnswerCount = 20000;
constexpr std::size_t answersKeptPerFact = 8;

struct AnswerLogRead {
    ReadStatus status = ReadStatus::Missing; // Loaded, or why not (Damaged: see reason)
    QString reason;
    AnswerLogContents contents; // what could be read, also for a damaged log
    std::size_t wholeBytes = 0; // the header and every good record up to a torn end
};

std::vector<unsigned char> answerLogBytes(const AnswerLogContents& contents);
AnswerLogRead readAnswerLogBytes(const std::vector<unsigned char>& bytes);
// Refuses a link or a special file at the path and a file larger than maxAnswerLogBytes.
AnswerLogRead readAnswerLog(const std::filesystem::path& path);

// The log the run appends to: the lock holder's, or one of the run's own.
std::filesystem::path answerLogPath(const std::filesystem::path& childFile, bool holdsLock,
                                    std::int64_t runStartMs);

// The answers older than the newest keepPerFact of each fact become (or join) the fact's
// summary; the kept answers stay in their order, and so does the newest limit of each source.
AnswerLogContents compactAnswers(const AnswerLogContents& contents, std::size_t keepPerFact);

// Takes every log of a run without the lock that no running copy on this computer still
// writes into the main log: the main log is rewritten atomically with the folded log's id
// and answers, then the folded log is removed. A log already folded is only removed. A
// damaged main log is left alone, and so is a damaged log to be folded. Only the run holding
// the child's lock may fold (it alone writes the main log).
struct FoldOutcome {
    int folded = 0;
    QStringList problems; // one line per log that could not be folded
};
FoldOutcome foldOrphanedAnswerLogs(const std::filesystem::path& childFile);

// Appends answers to one log, each flushed to the disk before append returns.
// One answer as its record in the log, and a new log's random id.
std::array<unsigned char, answerRecordBytes> encodeAnswerRecord(const LoggedAnswer& answer);
std::array<unsigned char, answerRecordBytes> encodeLimitRecord(const LimitSetting& limit);
std::uint64_t newAnswerLogId();

class AnswerLogWriter {
public:
    // Opens the log at the path, making it when it is missing; a compactThreshold above 0
    // compacts a larger log first (the lock holder's opening). Fails, with the reason, for a
    // damaged, unreadable or linked log, which is then left exactly as it is.
    static std::unique_ptr<AnswerLogWriter> open(const std::filesystem::path& path, QString& reason,
                                                 std::size_t compactThreshold = 0);
    ~AnswerLogWriter();
    AnswerLogWriter(const AnswerLogWriter&) = delete;
    AnswerLogWriter& operator=(const AnswerLogWriter&) = delete;

    WriteOutcome append(const LoggedAnswer& answer);
    WriteOutcome append(const LimitSetting& limit);
    // What the log held when opened, plus every answer appended since.
    const AnswerLogContents& contents() const { return contents_; }

private:
    AnswerLogWriter() = default;
    bool reopen(QString& reason);
    WriteOutcome appendRecord(const std::array<unsigned char, answerRecordBytes>& block);

    std::filesystem::path path_;
    AnswerLogContents contents_;
    std::uint64_t size_ = 0;
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

// The log of the child's run: for the lock holder, orphaned logs are folded in first and a
// large log is compacted; a run without the lock gets a log of its own. With a writer, reason
// may still tell why a log could not be folded (it is left for a later opening).
std::unique_ptr<AnswerLogWriter> openChildAnswerLog(const std::filesystem::path& childFile,
                                                    bool holdsLock, std::int64_t runStartMs,
                                                    QString& reason);
