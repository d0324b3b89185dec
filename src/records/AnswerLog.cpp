// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/AnswerLog.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSysInfo>

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

enum RecordKind : unsigned char { AnswerKind = 1, SummaryKind = 2, FoldedKind = 3 };
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
    out[0] = static_cast<unsigned char>(v);
    out[1] = static_cast<unsigned char>(v >> 8);
}
void put32(unsigned char* out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<unsigned char>(v >> (8 * i));
    }
}
std::uint16_t get16(const unsigned char* in) {
    return static_cast<std::uint16_t>(in[0] | in[1] << 8);
}
std::uint32_t get32(const unsigned char* in) {
    return static_cast<std::uint32_t>(in[0]) | static_cast<std::uint32_t>(in[1]) << 8 |
           static_cast<std::uint32_t>(in[2]) << 16 | static_cast<std::uint32_t>(in[3]) << 24;
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
    default:
        return false;
    }
}

std::uint64_t newLogId() {
    return QRandomGenerator::system()->generate64();
}

// A computer's name as it may stand in a file name.
QString fileNamePart(const QString& host) {
    QString part;
    for (const QChar c : host.left(64)) {
        part += c.isLetterOrNumber() && c.unicode() < 128 ? c : QLatin1Char('_');
    }
    return part.isEmpty() ? QStringLiteral("computer") : part;
}

// The middle of a name "<child file>.<computer>-<pid>-<start>.answers": false for any other
// name (another child's log, say "Bob.sbk.x.sbk.answers"). Sets whether a copy on this
// computer that still runs writes it.
bool sideLogName(const QString& middle, bool& running) {
    const QStringList parts = middle.split(QLatin1Char('-'));
    bool pidOk = false;
    bool startOk = false;
    const qint64 pid = parts.size() == 3 ? parts[1].toLongLong(&pidOk) : 0;
    if (parts.size() != 3 || parts[0].isEmpty() || !pidOk || pid <= 0 ||
        (parts[2].toLongLong(&startOk), !startOk) ||
        std::any_of(parts[0].begin(), parts[0].end(), [](QChar c) {
            return !(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_');
        })) {
        return false;
    }
    running = false;
#ifdef Q_OS_UNIX
    running = parts[0] == fileNamePart(QSysInfo::machineHostName()) &&
              pid <= std::numeric_limits<pid_t>::max() &&
              (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
#endif
    return true;
}

using FactKey = std::tuple<int, std::int32_t, std::int32_t>;

std::uint32_t addHeld(std::uint32_t a, std::uint64_t b) {
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(a + b, std::numeric_limits<std::uint32_t>::max()));
}
} // namespace

std::vector<unsigned char> answerLogBytes(const AnswerLogContents& contents) {
    std::vector<unsigned char> bytes;
    bytes.reserve(answerRecordBytes * (1 + contents.folded.size() + contents.summaries.size() +
                                       contents.answers.size()));
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
        path += QStringLiteral(".%1-%2-%3")
                    .arg(fileNamePart(QSysInfo::machineHostName()))
                    .arg(QCoreApplication::applicationPid())
                    .arg(runStartMs)
                    .toStdString();
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
    return out;
}

FoldOutcome foldOrphanedAnswerLogs(const fs::path& childFile) {
    FoldOutcome outcome;
    const fs::path mainPath = answerLogPath(childFile, true, 0);
    const std::string prefix = childFile.filename().string() + ".";
    std::vector<fs::path> orphans;
    std::error_code error;
    for (fs::directory_iterator it(childFile.parent_path(), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (it->path() == mainPath || !name.starts_with(prefix) || !name.ends_with(logSuffix)) {
            continue;
        }
        const std::string middle =
            name.substr(prefix.size(), name.size() - prefix.size() - (sizeof(logSuffix) - 1));
        bool running = false;
        if (sideLogName(QString::fromStdString(middle), running) && !running) {
            orphans.push_back(it->path());
        }
    }
    std::sort(orphans.begin(), orphans.end());
    for (const fs::path& orphan : orphans) {
        AnswerLogRead main = readAnswerLog(mainPath);
        if (main.status == ReadStatus::Missing) {
            main.contents.logId = newLogId();
        } else if (main.status != ReadStatus::Loaded) {
            outcome.problems << QStringLiteral("%1: %2").arg(pathText(mainPath), main.reason);
            return outcome;
        }
        const AnswerLogRead side = readAnswerLog(orphan);
        if (side.status != ReadStatus::Loaded) {
            outcome.problems << QStringLiteral("%1: %2").arg(pathText(orphan), side.reason);
            continue;
        }
        AnswerLogContents& into = main.contents;
        const bool already = std::find(into.folded.begin(), into.folded.end(),
                                       side.contents.logId) != into.folded.end();
        if (!already) {
            into.folded.push_back(side.contents.logId);
            into.summaries.insert(into.summaries.end(), side.contents.summaries.begin(),
                                  side.contents.summaries.end());
            into.answers.insert(into.answers.end(), side.contents.answers.begin(),
                                side.contents.answers.end());
            const WriteOutcome written = writeFileAtomically(mainPath, answerLogBytes(into));
            if (!written) {
                outcome.problems << QStringLiteral("%1: %2").arg(pathText(mainPath),
                                                                 written.reason);
                return outcome;
            }
            ++outcome.folded;
        }
        // Its answers are in the main log (now or by an earlier fold that ended here).
        std::error_code ignored;
        fs::remove(orphan, ignored);
    }
    return outcome;
}

struct AnswerLogWriter::Handle {
#ifdef Q_OS_UNIX
    int fd = -1;
    ~Handle() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
#else
    QFile file;
#endif
};

AnswerLogWriter::~AnswerLogWriter() = default;

std::unique_ptr<AnswerLogWriter> AnswerLogWriter::open(const fs::path& path, QString& reason,
                                                       std::size_t compactThreshold) {
    std::unique_ptr<AnswerLogWriter> writer(new AnswerLogWriter);
    writer->path_ = path;
    AnswerLogRead read = readAnswerLog(path);
    if (read.status == ReadStatus::Loaded && compactThreshold > 0 &&
        read.contents.answers.size() > compactThreshold) {
        const AnswerLogContents compact = compactAnswers(read.contents, answersKeptPerFact);
        if (writeFileAtomically(path, answerLogBytes(compact))) {
            read.contents = compact;
            read.wholeBytes = answerLogBytes(compact).size();
        }
    }
    if (read.status == ReadStatus::Missing) {
        read.status = ReadStatus::Loaded;
        read.contents.logId = newLogId();
        read.wholeBytes = 0;
    } else if (read.status != ReadStatus::Loaded) {
        reason = read.reason;
        return nullptr;
    }
    writer->contents_ = std::move(read.contents);
    writer->size_ = read.wholeBytes;
    if (!writer->reopen(reason)) {
        return nullptr;
    }
    return writer;
}

// Opens the log for appending; a missing log is made (its header written atomically, so a
// header is never torn), and a torn record at the end is cut off.
bool AnswerLogWriter::reopen(QString& reason) {
    handle_.reset();
    if (size_ == 0) {
        if (entryKind(path_) != EntryKind::Missing) {
            reason = QStringLiteral("another file appeared at the log's place");
            return false;
        }
        AnswerLogContents fresh;
        fresh.logId = contents_.logId;
        const WriteOutcome made = writeFileAtomically(path_, answerLogBytes(fresh));
        if (!made) {
            reason = made.reason;
            return false;
        }
        size_ = answerRecordBytes;
    }
    auto handle = std::make_unique<Handle>();
#ifdef Q_OS_UNIX
    handle->fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (handle->fd < 0 || ::fstat(handle->fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = QStringLiteral("the answer log cannot be opened for writing");
        return false;
    }
    if (static_cast<std::uint64_t>(info.st_size) < size_) {
        reason = QStringLiteral("the answer log changed while it was opened");
        return false;
    }
    if (static_cast<std::uint64_t>(info.st_size) != size_ &&
        ::ftruncate(handle->fd, static_cast<off_t>(size_)) != 0) {
        reason = QStringLiteral("the torn end of the answer log cannot be cut off");
        return false;
    }
#else
    if (entryKind(path_) != EntryKind::File) {
        reason = entryReason(entryKind(path_));
        return false;
    }
    handle->file.setFileName(pathText(path_));
    if (!handle->file.open(QIODevice::ReadWrite) ||
        static_cast<std::uint64_t>(handle->file.size()) < size_ ||
        (static_cast<std::uint64_t>(handle->file.size()) != size_ &&
         !handle->file.resize(static_cast<qint64>(size_))) ||
        !handle->file.seek(static_cast<qint64>(size_))) {
        reason = QStringLiteral("the answer log cannot be opened for writing");
        return false;
    }
#endif
    handle_ = std::move(handle);
    return true;
}

WriteOutcome AnswerLogWriter::append(const LoggedAnswer& answer) {
    // A log of a run without the lock that the lock holder folded in is gone: a new one starts.
    if (entryKind(path_) == EntryKind::Missing) {
        contents_ = AnswerLogContents{};
        contents_.logId = newLogId();
        size_ = 0;
        QString reason;
        if (!reopen(reason)) {
            return {false, reason};
        }
    }
    if (!handle_) {
        return {false, QStringLiteral("the answer log is not open")};
    }
    const Block block = answerBlock(answer);
#ifdef Q_OS_UNIX
    std::size_t done = 0;
    while (done < block.size()) {
        const ssize_t n = ::write(handle_->fd, block.data() + done, block.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            // Nothing half-written stays behind: the next append would follow it.
            (void)::ftruncate(handle_->fd, static_cast<off_t>(size_));
            return {false, QStringLiteral("the answer could not be written to the answer log")};
        }
        done += static_cast<std::size_t>(n);
    }
#ifdef Q_OS_DARWIN
    const int flushed = ::fsync(handle_->fd);
#else
    const int flushed = ::fdatasync(handle_->fd);
#endif
    if (flushed != 0) {
        return {false, QStringLiteral("the answer log could not be flushed to the disk")};
    }
#else
    if (handle_->file.write(reinterpret_cast<const char*>(block.data()),
                            static_cast<qint64>(block.size())) !=
            static_cast<qint64>(block.size()) ||
        !handle_->file.flush()) {
        handle_->file.resize(static_cast<qint64>(size_));
        handle_->file.seek(static_cast<qint64>(size_));
        return {false, QStringLiteral("the answer could not be written to the answer log")};
    }
#endif
    size_ += answerRecordBytes;
    contents_.answers.push_back(answer);
    return {true, {}};
}

std::unique_ptr<AnswerLogWriter> openChildAnswerLog(const fs::path& childFile, bool holdsLock,
                                                    std::int64_t runStartMs, QString& reason) {
    if (!holdsLock) {
        return AnswerLogWriter::open(answerLogPath(childFile, false, runStartMs), reason);
    }
    const FoldOutcome folded = foldOrphanedAnswerLogs(childFile);
    auto writer =
        AnswerLogWriter::open(answerLogPath(childFile, true, 0), reason, compactAnswerCount);
    if (writer && !folded.problems.isEmpty()) {
        reason = folded.problems.join(QLatin1Char('\n'));
    }
    return writer;
}
