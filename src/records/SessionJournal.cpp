// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/SessionJournal.h"

#include "common/DisplayNumbers.h"
#include "records/BinaryIo.h"
#include "records/RunName.h"
#include "records/StudentFile.h"
#include "records/StudentFolder.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDateTime>
#include <QStringDecoder>
#include <QSysInfo>

#include <algorithm>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

// The journal: the magic, the start time (64 bits), the process number, the loaded and the
// current stored values, the count and the added records, the computer's name (a length and
// UTF-8), then a checksum of everything before it. All numbers are little-endian.

namespace {
constexpr char journalMagic[] = "TBjournl";
constexpr std::size_t journalMagicBytes = 8;
constexpr std::size_t maxHostBytes = 255;
const char journalSuffix[] = ".journal";

StoredValues storedValues(const StudentRecord& student) {
    return {student.addSubHigh,   student.mulDivHigh,  student.addSubPerMin,
            student.mulDivPerMin, student.lastLearnOp, student.lastLearnNumber};
}

// As the run showed them when it began: a value the file left at 0 was shown as its default,
// so a new child's defaults are no change of the child's.
StoredValues loadedValues(const StudentRecord& student) {
    const auto shown = [](std::int32_t value) { return value == 0 ? defaultStoredValue : value; };
    return {shown(student.loadedAddSubHigh),   shown(student.loadedMulDivHigh),
            shown(student.loadedAddSubPerMin), shown(student.loadedMulDivPerMin),
            student.loadedLastLearnOp,         student.loadedLastLearnNumber};
}

std::uint32_t checksum(const std::vector<unsigned char>& bytes, std::size_t size) {
    return qChecksum(
        QByteArrayView(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(size)));
}

void appendLe64(std::vector<unsigned char>& out, std::int64_t value) {
    appendLe32(out, static_cast<std::int32_t>(value & 0xFFFFFFFF));
    appendLe32(out, static_cast<std::int32_t>(value >> 32));
}

std::int64_t readLe64(ByteReader& reader) {
    const auto low = static_cast<std::uint32_t>(reader.readLe32Or(0));
    const auto high = static_cast<std::int64_t>(reader.readLe32Or(0));
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(high) << 32 | low);
}

// True when a run of this computer with that process number is still running.
bool runsHere(const SessionChanges& changes) {
    return changes.host == QSysInfo::machineHostName() &&
           runsOnThisComputer(computerNamePart(changes.host), changes.pid);
}

void removeFile(const fs::path& path) {
    std::error_code ignored;
    if (entryKind(path) == EntryKind::File) {
        fs::remove(path, ignored);
    }
}

// Another copy that holds the child's lock took this run's journal in, so its results are in
// the child's file already: they are no longer this run's to save.
void forgetTakenChanges(StudentRecord& student) {
    student.history.resize(std::min(student.history.size(), student.loadedCount));
    markSaved(student);
    student.journaledBytes.clear();
    student.journaledPath.clear();
}
} // namespace

SessionChanges sessionChanges(const StudentRecord& student) {
    SessionChanges changes;
    changes.startMs = student.sessionStartMs;
    changes.pid = static_cast<std::int32_t>(QCoreApplication::applicationPid());
    changes.host = QSysInfo::machineHostName();
    changes.loaded = loadedValues(student);
    changes.current = storedValues(student);
    const auto firstAdded =
        student.history.begin() +
        static_cast<std::ptrdiff_t>(std::min(student.loadedCount, student.history.size()));
    changes.added.assign(firstAdded, student.history.end());
    return changes;
}

bool hasChanges(const SessionChanges& changes) {
    return !changes.added.empty() || changes.loaded != changes.current;
}

void applySessionChanges(StudentRecord& student, const SessionChanges& changes) {
    std::int32_t* values[] = {&student.addSubHigh, &student.mulDivHigh, &student.addSubPerMin,
                              &student.mulDivPerMin};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        if (changes.current[i] != changes.loaded[i]) {
            *values[i] = changes.current[i];
        }
    }
    updateMixedHigh(student);
    if (changes.current[4] != changes.loaded[4] || changes.current[5] != changes.loaded[5]) {
        noteLearnChoice(student, changes.current[4], changes.current[5]);
    }
    for (const ScoreRecord& r : changes.added) {
        appendScore(student, r.date, r.kind, r.timeLimit, r.problems, r.correct);
    }
}

std::vector<unsigned char> journalBytes(const SessionChanges& changes) {
    std::vector<unsigned char> bytes(journalMagic, journalMagic + journalMagicBytes);
    appendLe64(bytes, changes.startMs);
    appendLe32(bytes, changes.pid);
    for (const StoredValues& values : {changes.loaded, changes.current}) {
        for (const std::int32_t value : values) {
            appendLe32(bytes, value);
        }
    }
    appendLe32(bytes, static_cast<std::int32_t>(changes.added.size()));
    for (const ScoreRecord& record : changes.added) {
        const auto encoded = encodeScoreRecord(record);
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    const QByteArray host = changes.host.toUtf8().left(maxHostBytes);
    appendLe32(bytes, static_cast<std::int32_t>(host.size()));
    bytes.insert(bytes.end(), host.begin(), host.end());
    appendLe32(bytes, static_cast<std::int32_t>(checksum(bytes, bytes.size())));
    return bytes;
}

std::optional<SessionChanges> readJournalBytes(const std::vector<unsigned char>& bytes) {
    constexpr std::size_t fixedBytes = journalMagicBytes + 8 + 4 + 48 + 4 + 4 + 4;
    if (bytes.size() < fixedBytes ||
        std::memcmp(bytes.data(), journalMagic, journalMagicBytes) != 0 ||
        checksum(bytes, bytes.size() - 4) !=
            static_cast<std::uint32_t>(ByteReader(bytes, bytes.size() - 4).readLe32Or(0))) {
        return std::nullopt;
    }
    SessionChanges changes;
    ByteReader reader(bytes, journalMagicBytes);
    changes.startMs = readLe64(reader);
    changes.pid = reader.readLe32Or(0);
    for (StoredValues* values : {&changes.loaded, &changes.current}) {
        for (std::int32_t& value : *values) {
            value = reader.readLe32Or(0);
        }
    }
    const std::int32_t count = reader.readLe32Or(-1);
    const std::size_t recordsAt = journalMagicBytes + 8 + 4 + 48 + 4;
    if (count < 0 ||
        static_cast<std::size_t>(count) > (bytes.size() - fixedBytes) / scoreRecordBytes) {
        return std::nullopt;
    }
    for (std::int32_t i = 0; i < count; ++i) {
        changes.added.push_back(decodeScoreRecord(bytes.data() + recordsAt +
                                                  static_cast<std::size_t>(i) * scoreRecordBytes));
    }
    const std::size_t hostAt = recordsAt + static_cast<std::size_t>(count) * scoreRecordBytes;
    const std::int32_t hostBytes = ByteReader(bytes, hostAt).readLe32Or(-1);
    if (hostBytes < 0 || hostAt + 4 + static_cast<std::size_t>(hostBytes) + 4 != bytes.size()) {
        return std::nullopt;
    }
    // The name as the program wrote it: UTF-8 of at most maxHostBytes.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    changes.host = utf8(QByteArrayView(bytes.data() + hostAt + 4, hostBytes));
    if (utf8.hasError() || static_cast<std::size_t>(hostBytes) > maxHostBytes) {
        return std::nullopt;
    }
    return changes;
}

fs::path journalPath(const StudentRecord& student) {
    fs::path path = student.path;
    if (student.lock == nullptr) {
        const QString session = QStringLiteral(".") + runNamePart(student.sessionStartMs);
        path += session.toStdString();
    }
    path += journalSuffix;
    return path;
}

WriteOutcome keepSessionChanges(StudentRecord& student) {
    if (student.path.empty()) {
        return WriteOutcome{true, {}}; // no child is open: nothing to keep
    }
    const fs::path path = journalPath(student);
    if (student.lock == nullptr && !student.journaledBytes.empty() &&
        entryKind(student.journaledPath) == EntryKind::Missing) {
        forgetTakenChanges(student);
    }
    const SessionChanges changes = sessionChanges(student);
    if (!hasChanges(changes)) {
        dropSessionJournal(student);
        return WriteOutcome{true, {}};
    }
    std::vector<unsigned char> bytes = journalBytes(changes);
    if (bytes == student.journaledBytes) {
        return WriteOutcome{true, {}};
    }
    WriteOutcome written = writeFileAtomically(path, bytes);
    if (written) {
        if (!student.journaledPath.empty() && student.journaledPath != path) {
            removeFile(student.journaledPath); // written before this run took the lock
        }
        student.journaledBytes = std::move(bytes);
        student.journaledPath = path;
    }
    return written;
}

void dropSessionJournal(StudentRecord& student) {
    if (!student.journaledBytes.empty()) {
        removeFile(student.journaledPath);
        student.journaledBytes.clear();
        student.journaledPath.clear();
    }
}

std::vector<UnsavedSession> unsavedSessions(const StudentRecord& student) {
    std::vector<UnsavedSession> sessions;
    const std::string prefix = student.path.filename().string() + ".";
    const std::string lockHoldersJournal = prefix + "journal";
    const fs::path& own = student.journaledPath;
    std::error_code error;
    for (fs::directory_iterator it(student.path.parent_path(), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(journalSuffix) || it->path() == own) {
            continue;
        }
        const ReadOutcome read = readDataFile(it->path(), maxJournalFileBytes);
        std::optional<SessionChanges> changes;
        if (read.status == ReadStatus::Loaded) {
            changes = readJournalBytes(read.bytes);
        }
        // A copy without the lock that is still running keeps its own; the lock holder's
        // journal is orphaned once this run holds the lock.
        if (changes && name != lockHoldersJournal && runsHere(*changes)) {
            continue;
        }
        QString problem =
            read.status == ReadStatus::Loaded
                ? (changes ? QString()
                           : QCoreApplication::translate("SessionJournal", "it is damaged"))
                : read.reason;
        sessions.push_back({it->path(), changes.value_or(SessionChanges{}), problem});
    }
    return sessions;
}

void dropUnsavedSession(const UnsavedSession& session) {
    removeFile(session.path);
}

QString unsavedSessionText(const StudentRecord& student, const UnsavedSession& session) {
    const QString name = displayName(student.studentName);
    if (!session.problem.isEmpty()) {
        return QCoreApplication::translate("SessionJournal",
                                           "Results of %1 that were not saved lie in\n%2\nbut "
                                           "cannot be read (%3). The file is left as it is.")
            .arg(name, pathText(session.path), session.problem);
    }
    const SessionChanges& changes = session.changes;
    const QDateTime started = QDateTime::fromMSecsSinceEpoch(changes.startMs).toLocalTime();
    QStringList what;
    if (!changes.added.empty()) {
        what << QCoreApplication::translate("SessionJournal", "%1 test result(s)")
                    .arg(changes.added.size());
    }
    if (!std::equal(changes.loaded.begin(), changes.loaded.begin() + 4, changes.current.begin())) {
        what << QCoreApplication::translate("SessionJournal",
                                            "the number ranges or problems per minute from Config");
    }
    if (changes.loaded[4] != changes.current[4] || changes.loaded[5] != changes.current[5]) {
        what << QCoreApplication::translate("SessionJournal", "the last Learn choice");
    }
    return QCoreApplication::translate(
               "SessionJournal",
               "Tallyburrow was closed before these results of %1 were saved:\n\n%2\n\n"
               "They are from the session that began on %3 at %4 on the computer %5.\n"
               "Keep them in %1's file?")
        .arg(name, what.join(QLatin1Char('\n')), displayDate(started.date()),
             started.time().toString(QStringLiteral("HH:mm")), changes.host);
}
