// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/AnswerLog.h"

#include "records/RunName.h"

#include <QFile>

#include <algorithm>
#include <system_error>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// The answer log on the disk: folding the logs of runs that did not hold the child's lock into
// the lock holder's, and appending one answer at a time.

namespace fs = std::filesystem;

namespace {
const char logSuffix[] = ".answers";

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
    running = runsOnThisComputer(parts[0], pid);
    return true;
}

} // namespace

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
            main.contents.logId = newAnswerLogId();
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
            into.limits.insert(into.limits.end(), side.contents.limits.begin(),
                               side.contents.limits.end());
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
        read.contents.logId = newAnswerLogId();
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
    const WriteOutcome written = appendRecord(encodeAnswerRecord(answer));
    if (written) {
        contents_.answers.push_back(answer);
    }
    return written;
}

WriteOutcome AnswerLogWriter::append(const LimitSetting& limit) {
    const WriteOutcome written = appendRecord(encodeLimitRecord(limit));
    if (written) {
        contents_.limits.push_back(limit);
    }
    return written;
}

WriteOutcome
AnswerLogWriter::appendRecord(const std::array<unsigned char, answerRecordBytes>& block) {
    // A log of a run without the lock that the lock holder folded in is gone: a new one starts.
    if (entryKind(path_) == EntryKind::Missing) {
        contents_ = AnswerLogContents{};
        contents_.logId = newAnswerLogId();
        size_ = 0;
        QString reason;
        if (!reopen(reason)) {
            return {false, reason};
        }
    }
    if (!handle_) {
        return {false, QStringLiteral("the answer log is not open")};
    }
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
