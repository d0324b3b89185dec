// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/AnswerLog.h"

#include "records/RunName.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <map>
#include <system_error>
#include <tuple>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {
constexpr char logMagic[] = "TBanswrs";
constexpr std::size_t magicBytes = 8;
constexpr std::uint16_t logVersion = 1;
constexpr std::size_t checkedBytes = answerRecordBytes - 4;
const char logSuffix[] = ".answers";

enum RecordKind : unsigned char { AnswerKind = 1, SummaryKind = 2, FoldedKind = 3, LimitKind = 4 };
enum Flags : unsigned char { RightFlag = 1, TimedOutFlag = 2 };

constexpr std::array<std::uint32_t, 256> crcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
        }
        table[i] = c;
    }
    return table;
}();

std::uint32_t crc32(const unsigned char* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFU;
    for (std::size_t i = 0; i < size; ++i) {
        crc = crcTable[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFU;
}

void put16(unsigned char* out, std::uint16_t v) {
    qToLittleEndian(v, out);
}
void put32(unsigned char* out, std::uint32_t v) {
    qToLittleEndian(v, out);
}
std::uint16_t get16(const unsigned char* in) {
    return qFromLittleEndian<std::uint16_t>(in);
}
std::uint32_t get32(const unsigned char* in) {
    return qFromLittleEndian<std::uint32_t>(in);
}

using Block = std::array<unsigned char, answerRecordBytes>;

void seal(Block& block) {
    put32(block.data() + checkedBytes, crc32(block.data(), checkedBytes));
}
bool sealed(const unsigned char* block) {
    return get32(block + checkedBytes) == crc32(block, checkedBytes);
}

Block headerBlock(std::uint64_t id) {
    Block b{};
    std::memcpy(b.data(), logMagic, magicBytes);
    put16(b.data() + 8, logVersion);
    put16(b.data() + 10, answerRecordBytes);
    put32(b.data() + 16, static_cast<std::uint32_t>(id));
    put32(b.data() + 20, static_cast<std::uint32_t>(id >> 32));
    seal(b);
    return b;
}

Block factBlock(RecordKind kind, int operation, std::int32_t first, std::int32_t second) {
    Block b{};
    b[0] = kind;
    b[1] = static_cast<unsigned char>(operation);
    put32(b.data() + 4, static_cast<std::uint32_t>(first));
    put32(b.data() + 8, static_cast<std::uint32_t>(second));
    return b;
}

Block answerBlock(const LoggedAnswer& a) {
    Block b = factBlock(AnswerKind, a.operation, a.first, a.second);
    b[2] = static_cast<unsigned char>((a.right ? RightFlag : 0) | (a.timedOut ? TimedOutFlag : 0));
    put32(b.data() + 12, a.milliseconds);
    put16(b.data() + 16, a.date);
    seal(b);
    return b;
}

Block summaryBlock(const FactSummary& s) {
    Block b = factBlock(SummaryKind, s.operation, s.first, s.second);
    put32(b.data() + 12, s.rightMilliseconds);
    put16(b.data() + 16, s.newestDate);
    put32(b.data() + 20, s.right);
    put32(b.data() + 24, s.wrong);
    seal(b);
    return b;
}

Block foldedBlock(std::uint64_t id) {
    Block b = factBlock(FoldedKind, 0, static_cast<std::int32_t>(id & 0xFFFFFFFFU),
                        static_cast<std::int32_t>(id >> 32));
    seal(b);
    return b;
}

Block limitBlock(const LimitSetting& l) {
    Block b = factBlock(LimitKind, 0, 0, 0);
    b[2] = static_cast<unsigned char>(l.source);
    put32(b.data() + 12, l.milliseconds);
    put16(b.data() + 16, l.date);
    seal(b);
    return b;
}

// Decodes one sealed record; false when it is none the reader knows (a foreign record).
bool decodeRecord(const unsigned char* b, AnswerLogContents& out) {
    const int operation = b[1];
    const auto first = static_cast<std::int32_t>(get32(b + 4));
    const auto second = static_cast<std::int32_t>(get32(b + 8));
    const bool factOk = operation >= 1 && operation <= 4;
    if (b[3] != 0) {
        return false;
    }
    switch (b[0]) {
    case AnswerKind:
        if (!factOk || (b[2] & ~(RightFlag | TimedOutFlag)) != 0 || get16(b + 18) != 0 ||
            get32(b + 20) != 0 || get32(b + 24) != 0) {
            return false;
        }
        out.answers.push_back({operation, first, second, (b[2] & RightFlag) != 0,
                               (b[2] & TimedOutFlag) != 0, get32(b + 12), get16(b + 16)});
        return true;
    case SummaryKind:
        if (!factOk || b[2] != 0 || get16(b + 18) != 0) {
            return false;
        }
        out.summaries.push_back(
            {operation, first, second, get32(b + 20), get32(b + 24), get32(b + 12), get16(b + 16)});
        return true;
    case FoldedKind:
        if (operation != 0 || b[2] != 0 ||
            std::any_of(b + 12, b + checkedBytes, [](auto c) { return c != 0; })) {
            return false;
        }
        out.folded.push_back(static_cast<std::uint64_t>(get32(b + 8)) << 32 | get32(b + 4));
        return true;
    case LimitKind:
        if (operation != 0 || (b[2] != 1 && b[2] != 2) || first != 0 || second != 0 ||
            std::any_of(b + 18, b + checkedBytes, [](auto c) { return c != 0; })) {
            return false;
        }
        out.limits.push_back({static_cast<LimitSource>(b[2]), get32(b + 12), get16(b + 16)});
        return true;
    default:
        return false;
    }
}

} // namespace

std::array<unsigned char, answerRecordBytes> encodeAnswerRecord(const LoggedAnswer& answer) {
    return answerBlock(answer);
}

std::array<unsigned char, answerRecordBytes> encodeLimitRecord(const LimitSetting& limit) {
    return limitBlock(limit);
}

std::uint64_t newAnswerLogId() {
    return QRandomGenerator::system()->generate64();
}

namespace {

using FactKey = std::tuple<int, std::int32_t, std::int32_t>;

std::uint32_t addHeld(std::uint32_t a, std::uint64_t b) {
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(a + b, std::numeric_limits<std::uint32_t>::max()));
}
} // namespace

std::vector<unsigned char> answerLogBytes(const AnswerLogContents& contents) {
    std::vector<unsigned char> bytes;
    bytes.reserve(answerRecordBytes * (1 + contents.folded.size() + contents.summaries.size() +
                                       contents.answers.size() + contents.limits.size()));
    const auto add = [&bytes](const Block& b) { bytes.insert(bytes.end(), b.begin(), b.end()); };
    add(headerBlock(contents.logId));
    for (const std::uint64_t id : contents.folded) {
        add(foldedBlock(id));
    }
    for (const FactSummary& s : contents.summaries) {
        add(summaryBlock(s));
    }
    for (const LoggedAnswer& a : contents.answers) {
        add(answerBlock(a));
    }
    for (const LimitSetting& l : contents.limits) {
        add(limitBlock(l));
    }
    return bytes;
}

AnswerLogRead readAnswerLogBytes(const std::vector<unsigned char>& bytes) {
    AnswerLogRead read;
    read.status = ReadStatus::Damaged;
    const unsigned char* data = bytes.data();
    if (bytes.size() < answerRecordBytes || std::memcmp(data, logMagic, magicBytes) != 0) {
        read.reason = QStringLiteral("it is not an answer log");
        return read;
    }
    if (!sealed(data) || get16(data + 10) != answerRecordBytes) {
        read.reason = QStringLiteral("its header is damaged");
        return read;
    }
    if (get16(data + 8) != logVersion) {
        read.reason = QStringLiteral("it was written by another version of Tallyburrow");
        return read;
    }
    read.contents.logId = static_cast<std::uint64_t>(get32(data + 20)) << 32 | get32(data + 16);
    read.wholeBytes = answerRecordBytes;
    std::size_t firstBad = 0;
    const std::size_t whole = bytes.size() / answerRecordBytes * answerRecordBytes;
    for (std::size_t at = answerRecordBytes; at < whole; at += answerRecordBytes) {
        if (!sealed(data + at)) {
            firstBad = firstBad == 0 ? at : firstBad;
            continue;
        }
        if (firstBad != 0) {
            read.reason = QStringLiteral("record %1 is damaged").arg(firstBad / answerRecordBytes);
            return read;
        }
        if (!decodeRecord(data + at, read.contents)) {
            read.reason =
                QStringLiteral("record %1 is of an unknown kind").arg(at / answerRecordBytes);
            return read;
        }
        read.wholeBytes = at + answerRecordBytes;
    }
    read.status = ReadStatus::Loaded;
    return read;
}

AnswerLogRead readAnswerLog(const fs::path& path) {
    ReadOutcome file = readDataFile(path, maxAnswerLogBytes);
    if (file.status != ReadStatus::Loaded) {
        AnswerLogRead read;
        read.status = file.status;
        read.reason = file.reason;
        return read;
    }
    return readAnswerLogBytes(file.bytes);
}

fs::path answerLogPath(const fs::path& childFile, bool holdsLock, std::int64_t runStartMs) {
    fs::path path = childFile;
    if (!holdsLock) {
        path += QStringLiteral(".%1").arg(runNamePart(runStartMs)).toStdString();
    }
    path += logSuffix;
    return path;
}

AnswerLogContents compactAnswers(const AnswerLogContents& contents, std::size_t keepPerFact) {
    AnswerLogContents out;
    out.logId = contents.logId;
    out.folded = contents.folded;
    std::map<FactKey, FactSummary> summaries;
    const auto summaryOf = [&summaries](int op, std::int32_t a, std::int32_t b) -> FactSummary& {
        FactSummary& s = summaries[{op, a, b}];
        s.operation = op;
        s.first = a;
        s.second = b;
        return s;
    };
    for (const FactSummary& s : contents.summaries) {
        FactSummary& into = summaryOf(s.operation, s.first, s.second);
        into.right = addHeld(into.right, s.right);
        into.wrong = addHeld(into.wrong, s.wrong);
        into.rightMilliseconds = addHeld(into.rightMilliseconds, s.rightMilliseconds);
        into.newestDate = std::max(into.newestDate, s.newestDate);
    }
    // Walking from the newest, each fact keeps its first keepPerFact answers.
    std::map<FactKey, std::size_t> seen;
    std::vector<bool> kept(contents.answers.size());
    for (std::size_t i = contents.answers.size(); i-- > 0;) {
        const LoggedAnswer& a = contents.answers[i];
        std::size_t& count = seen[{a.operation, a.first, a.second}];
        kept[i] = count++ < keepPerFact;
        if (!kept[i]) {
            FactSummary& s = summaryOf(a.operation, a.first, a.second);
            (a.right ? s.right : s.wrong) = addHeld(a.right ? s.right : s.wrong, 1);
            s.rightMilliseconds = addHeld(s.rightMilliseconds, a.right ? a.milliseconds : 0);
            s.newestDate = std::max(s.newestDate, a.date);
        }
    }
    for (auto& [key, s] : summaries) {
        out.summaries.push_back(s);
    }
    for (std::size_t i = 0; i < contents.answers.size(); ++i) {
        if (kept[i]) {
            out.answers.push_back(contents.answers[i]);
        }
    }
    for (const LimitSource source : {LimitSource::TypingTime, LimitSource::GrownUp}) {
        const auto newest =
            std::find_if(contents.limits.rbegin(), contents.limits.rend(),
                         [source](const LimitSetting& l) { return l.source == source; });
        if (newest != contents.limits.rend()) {
            out.limits.push_back(*newest);
        }
    }
    return out;
}
