// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/AnswerLog.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
LoggedAnswer answer(std::int32_t first, bool right = true, std::uint32_t ms = 1500) {
    return {3, first, 7, right, false, ms, 0x5A21};
}

AnswerLogContents sample(std::size_t count) {
    AnswerLogContents log;
    log.logId = 0x0123456789ABCDEFULL;
    for (std::size_t i = 0; i < count; ++i) {
        log.answers.push_back(answer(static_cast<std::int32_t>(i), i % 3 != 0));
    }
    return log;
}

void appendAll(const fs::path& path, const std::vector<LoggedAnswer>& answers) {
    QString reason;
    auto writer = AnswerLogWriter::open(path, reason);
    ASSERT_TRUE(writer) << reason.toStdString();
    for (const LoggedAnswer& a : answers) {
        ASSERT_TRUE(writer->append(a));
    }
}
} // namespace

TEST(AnswerLog, WhatIsWrittenReadsBack) {
    AnswerLogContents mixed = sample(5);
    mixed.folded = {1, 0xFFFFFFFF00000000ULL};
    mixed.summaries = {{4, -2147483647 - 1, 2147483647, 4000000000U, 3, 0xFFFFFFFFU, 0xFFFF}};
    mixed.answers.push_back({1, -5, 0, false, true, 0xFFFFFFFFU, 0});
    mixed.limits = {{LimitSource::TypingTime, 1250, 0x5A21}, {LimitSource::GrownUp, 0, 0xFFFF}};
    for (const AnswerLogContents& log : {AnswerLogContents{}, sample(1), mixed}) {
        const std::vector<unsigned char> bytes = answerLogBytes(log);
        const AnswerLogRead read = readAnswerLogBytes(bytes);
        EXPECT_EQ(read.status, ReadStatus::Loaded) << read.reason.toStdString();
        EXPECT_EQ(read.contents, log);
        EXPECT_EQ(read.wholeBytes, bytes.size());
    }
    // The header's checksum is the standard CRC-32, so other tools can check a log too.
    AnswerLogContents empty;
    empty.logId = 0x0123456789ABCDEFULL;
    const std::vector<unsigned char> header = answerLogBytes(empty);
    ASSERT_EQ(header.size(), 32u);
    EXPECT_EQ(std::vector<unsigned char>(header.begin() + 28, header.end()),
              (std::vector<unsigned char>{0x26, 0x54, 0xd5, 0xf5}));
}

// A record cut or garbled at any byte at the end is dropped, the answers before it kept, and
// the next answer follows them.
TEST(AnswerLog, ATornLastRecordIsIgnoredAndCutOff) {
    TempFolder folder;
    const fs::path path = folder.path() / "Bob.sbk.answers";
    const std::vector<unsigned char> whole = answerLogBytes(sample(4));
    const std::size_t lastAt = whole.size() - answerRecordBytes;
    for (std::size_t at = 0; at < answerRecordBytes; ++at) {
        std::vector<unsigned char> cut(whole.begin(), whole.begin() + lastAt + at);
        std::vector<unsigned char> garbled = whole;
        garbled[lastAt + at] ^= 0x10;
        for (const auto& bytes : {cut, garbled}) {
            EXPECT_EQ(readAnswerLogBytes(bytes).contents, sample(3)) << at;
            writeBytes(path, bytes);
            appendAll(path, {answer(99)});
            AnswerLogContents expected = sample(3);
            expected.answers.push_back(answer(99));
            const AnswerLogRead read = readAnswerLog(path);
            EXPECT_EQ(read.status, ReadStatus::Loaded) << at;
            EXPECT_EQ(read.contents, expected) << at;
        }
    }
}

// A damaged or foreign log is reported, and neither appended to nor rewritten.
TEST(AnswerLog, ADamagedLogIsReportedAndLeftAsItIs) {
    const std::vector<unsigned char> good = answerLogBytes(sample(3));
    const std::pair<std::size_t, std::string> damage[] = {
        {0, "it is not an answer log"},  {8, "its header is damaged"},
        {10, "its header is damaged"},   {20, "its header is damaged"},
        {32 + 5, "record 1 is damaged"}, {64 + 31, "record 2 is damaged"},
    };
    TempFolder folder;
    const fs::path child = folder.path() / "Bob.sbk";
    const fs::path path = answerLogPath(child, true, 0);
    for (const auto& [at, reason] : damage) {
        std::vector<unsigned char> bytes = good;
        bytes[at] ^= 0x01;
        const AnswerLogRead read = readAnswerLogBytes(bytes);
        EXPECT_EQ(read.status, ReadStatus::Damaged) << at;
        EXPECT_EQ(read.reason.toStdString(), reason) << at;
        writeBytes(path, bytes);
        QString why;
        EXPECT_FALSE(AnswerLogWriter::open(path, why, 1)) << at;
        writeBytes(folder.path() / "Bob.sbk.elsewhere-999999-1.answers", good);
        EXPECT_EQ(foldOrphanedAnswerLogs(child).problems.size(), 1U) << at;
        EXPECT_EQ(readBytes(path), bytes) << at;
    }
    std::vector<unsigned char> newer = good;
    newer[8] = 2;
    newer[28] = newer[29] = newer[30] = newer[31] = 0;
    EXPECT_EQ(readAnswerLogBytes(newer).status, ReadStatus::Damaged);
    EXPECT_EQ(readAnswerLogBytes({}).status, ReadStatus::Damaged);
}

TEST(AnswerLog, ALinkInPlaceOfTheLogIsRefused) {
    TempFolder folder;
    const fs::path elsewhere = folder.path() / "elsewhere";
    const fs::path path = folder.path() / "Bob.sbk.answers";
    writeBytes(elsewhere, answerLogBytes(sample(2)));
    fs::create_symlink(elsewhere, path);
    EXPECT_EQ(readAnswerLog(path).status, ReadStatus::NotAFile);
    QString reason;
    EXPECT_FALSE(AnswerLogWriter::open(path, reason));
    EXPECT_EQ(readBytes(elsewhere), answerLogBytes(sample(2)));
    EXPECT_TRUE(fs::is_symlink(path));
}

// A log of a run without the lock joins the main log once, however often folding runs (here
// the folded log comes back, as after a crash between the rewrite and its removal).
TEST(AnswerLog, AFoldedLogIsAddedOnce) {
    TempFolder folder;
    const fs::path child = folder.path() / "Bob.sbk";
    const fs::path main = answerLogPath(child, true, 0);
    const fs::path side = folder.path() / "Bob.sbk.elsewhere-999999-17.answers";
    const fs::path otherChild = folder.path() / "Bob.sbk.x.sbk.answers";
    appendAll(main, {answer(1), answer(2)});
    appendAll(side, {answer(3, false)});
    appendAll(otherChild, {answer(4)});
    const std::vector<unsigned char> sideBytes = readBytes(side);
    for (int round = 0; round < 2; ++round) {
        const FoldOutcome outcome = foldOrphanedAnswerLogs(child);
        EXPECT_EQ(outcome.folded, round == 0 ? 1 : 0);
        EXPECT_TRUE(outcome.problems.isEmpty());
        EXPECT_FALSE(fs::exists(side));
        EXPECT_TRUE(fs::exists(otherChild));
        const AnswerLogRead read = readAnswerLog(main);
        ASSERT_EQ(read.contents.answers.size(), 3U);
        EXPECT_EQ(read.contents.answers[2], answer(3, false));
        writeBytes(side, sideBytes);
    }
    // A run without the lock that is still running keeps its log.
    const fs::path running = answerLogPath(child, false, 5);
    appendAll(running, {answer(4)});
    foldOrphanedAnswerLogs(child);
    EXPECT_TRUE(fs::exists(running));
}

// A writer killed at any moment leaves the answers it finished, in order, and a log that takes
// further answers.
TEST(AnswerLog, AKilledWriterLosesAtMostTheAnswerBeingWritten) {
    TempFolder folder;
    const fs::path path = folder.path() / "Bob.sbk.answers";
    std::mt19937 random(11);
    std::size_t before = 0;
    for (int round = 0; round < 40; ++round) {
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            QString reason;
            auto log = AnswerLogWriter::open(path, reason);
            for (std::int32_t i = static_cast<std::int32_t>(log->contents().answers.size());; ++i) {
                log->append(answer(i));
            }
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        const AnswerLogRead read = readAnswerLog(path);
        if (read.status == ReadStatus::Missing) {
            continue; // killed before the log was made
        }
        ASSERT_EQ(read.status, ReadStatus::Loaded) << read.reason.toStdString();
        ASSERT_GE(read.contents.answers.size(), before);
        for (std::size_t i = 0; i < read.contents.answers.size(); ++i) {
            ASSERT_EQ(read.contents.answers[i], answer(static_cast<std::int32_t>(i))) << round;
        }
        before = read.contents.answers.size();
    }
}

TEST(AnswerLog, ALargeLogIsCompactedWhenTheLockHolderOpensIt) {
    TempFolder folder;
    const fs::path child = folder.path() / "Bob.sbk";
    AnswerLogContents log = sample(1);
    log.answers.insert(log.answers.end(), compactAnswerCount, answer(5, false, 10));
    writeBytes(answerLogPath(child, true, 0), answerLogBytes(log));
    QString reason;
    auto writer = openChildAnswerLog(child, false, 9, reason); // a log of its own
    ASSERT_TRUE(writer);
    EXPECT_TRUE(writer->contents().answers.empty());
    writer = openChildAnswerLog(child, true, 0, reason);
    ASSERT_TRUE(writer);
    const auto kept = static_cast<std::uint32_t>(answersKeptPerFact);
    const FactSummary summary{3, 5, 7, 0, compactAnswerCount - kept, 0, 0x5A21};
    EXPECT_EQ(writer->contents().summaries, std::vector<FactSummary>{summary});
    EXPECT_EQ(writer->contents().answers.size(), 1 + answersKeptPerFact);
    ASSERT_TRUE(writer->append(answer(6)));
    EXPECT_EQ(readAnswerLog(answerLogPath(child, true, 0)).contents, writer->contents());
}
