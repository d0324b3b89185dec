// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentSession.h"

#include "common/FileRead.h"
#include "records/StudentFile.h"

#include "common/DisplayNumbers.h"
#include "records/StudentFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

namespace {
// The lock's path as Qt's lock file names it, so that the checks look at the same entry also
// for a child's name that is not valid in the system's encoding.
std::filesystem::path lockPath(const StudentRecord& student) {
    return std::filesystem::path(
        (pathText(student.path) + QLatin1String(lockSuffix)).toStdU16String());
}

std::shared_ptr<QLockFile> newLock(const StudentRecord& student) {
    auto lock = std::make_shared<QLockFile>(pathText(student.path) + QLatin1String(lockSuffix));
    // Never taken over for its age alone: a copy on another computer may run for hours.
    lock->setStaleLockTime(0);
    return lock;
}

// The lock's holder as its file tells. A lock too large to be one is not handed to Qt, which
// would read it whole.
LockOutcome heldLock(const StudentRecord& student, QLockFile& lock) {
    const QFileInfo file(pathText(lockPath(student)));
    LockOutcome outcome{LockStatus::HeldByOther, {}, file.lastModified(), true, {}};
    qint64 pid = 0;
    QString application;
    if (file.size() <= maxLockFileBytes && lock.getLockInfo(&pid, &outcome.holder, &application)) {
        outcome.mayTakeOver = outcome.holder != QSysInfo::machineHostName();
    }
    return outcome;
}
} // namespace

LockOutcome lockStudentFile(StudentRecord& student) {
    const EntryKind kind = entryKind(lockPath(student));
    if (kind != EntryKind::Missing && kind != EntryKind::File) {
        LockOutcome outcome;
        outcome.status = LockStatus::NotAFile;
        outcome.reason = entryReason(kind);
        return outcome;
    }
    auto lock = newLock(student);
    if (kind == EntryKind::File &&
        QFileInfo(pathText(lockPath(student))).size() > maxLockFileBytes) {
        return heldLock(student, *lock);
    }
    if (lock->tryLock(0)) {
        student.lock = std::move(lock);
        LockOutcome outcome;
        outcome.status = LockStatus::Held;
        return outcome;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        return LockOutcome{};
    }
    return heldLock(student, *lock);
}

bool takeOverLock(StudentRecord& student) {
    if (entryKind(lockPath(student)) != EntryKind::File) {
        return false;
    }
    auto lock = newLock(student);
    lock->removeStaleLockFile(); // may be gone already: the lock is then simply taken
    if (!lock->tryLock(0)) {
        return false;
    }
    student.lock = std::move(lock);
    student.saving = Saving::Allowed;
    return true;
}

WriteOutcome saveStudentSession(StudentRecord& student) {
    if (student.saving == Saving::Off) {
        return WriteOutcome{
            false, QCoreApplication::translate("StudentSession",
                                               "the file could not be read when it was opened")};
    }
    if (student.lock == nullptr && lockStudentFile(student).status == LockStatus::HeldByOther) {
        return WriteOutcome{
            false, QCoreApplication::translate("StudentSession",
                                               "it is open in another copy of Tallyburrow")};
    }
    WriteOutcome saved = saveStudentFile(student);
    if (saved) {
        dropSessionJournal(student);
    }
    return saved;
}

WriteOutcome takeBackSession(StudentRecord& student, const UnsavedSession& session) {
    applySessionChanges(student, session.changes);
    if (WriteOutcome kept = keepSessionChanges(student); !kept) {
        return kept; // the old journal stays, so nothing is lost
    }
    if (session.path != student.journaledPath) {
        std::error_code ignored;
        std::filesystem::remove(session.path, ignored);
    }
    return saveStudentSession(student);
}

OpeningQuestion openStudent(StudentRecord& student, const std::filesystem::path& dataFolder,
                            const std::string& name) {
    student = StudentRecord{};
    student.sessionStartMs = QDateTime::currentMSecsSinceEpoch();
    const ReadOutcome read = loadStudentFile(student, dataFolder, name);
    if (read.status != ReadStatus::Loaded && read.status != ReadStatus::Missing) {
        return {OpeningQuestion::Unreadable,
                read.status == ReadStatus::Damaged
                    ? QCoreApplication::translate("StudentSession", "Results are damaged")
                    : QCoreApplication::translate("StudentSession", "Results cannot be opened"),
                unreadableStudentText(student, read.reason),
                QCoreApplication::translate("StudentSession", "Go on without saving")};
    }
    const LockOutcome lock = lockStudentFile(student);
    if (lock.status == LockStatus::NotAFile) {
        return {OpeningQuestion::Unreadable,
                QCoreApplication::translate("StudentSession", "Results cannot be opened"),
                unreadableStudentText(
                    student, QCoreApplication::translate("StudentSession", "the lock file %1: %2")
                                 .arg(pathText(lockPath(student)), lock.reason)),
                QCoreApplication::translate("StudentSession", "Go on without saving")};
    }
    if (lock.status == LockStatus::HeldByOther) {
        return {OpeningQuestion::HeldElsewhere,
                QCoreApplication::translate("StudentSession", "Already open"),
                heldStudentText(student, lock),
                QCoreApplication::translate("StudentSession", "Open read-only"), lock.mayTakeOver};
    }
    return {};
}

void goOnWithStudent(StudentRecord& student, const OpeningQuestion& question) {
    if (question.kind == OpeningQuestion::Unreadable) {
        student.saving = Saving::Off;
    } else if (question.kind == OpeningQuestion::HeldElsewhere) {
        student.saving = Saving::ReadOnly;
    }
}

QString unreadableStudentText(const StudentRecord& student, const QString& reason) {
    return QCoreApplication::translate(
               "StudentSession", "The results of %1 cannot be opened:\n%2\n(%3)\n\n"
                                 "The file is left as it is. You can go on without saving in it "
                                 "(today's results are kept beside it, and added once it can be "
                                 "read), or choose another name.")
        .arg(displayName(student.studentName), pathText(student.path), reason);
}

namespace {
// The first sentence: who holds the child, with the computer and the time when they are known.
QString heldSentence(const QString& name, const LockOutcome& lock) {
    if (!lock.since.isValid()) {
        return lock.holder.isEmpty()
                   ? QCoreApplication::translate(
                         "StudentSession", "%1 is already open in another copy of Tallyburrow.")
                         .arg(name)
                   : QCoreApplication::translate("StudentSession",
                                                 "%1 is already open in another copy of "
                                                 "Tallyburrow on the computer %2.")
                         .arg(name, lock.holder);
    }
    const QString date = displayDate(lock.since.date());
    const QString time = lock.since.time().toString(QStringLiteral("HH:mm"));
    return lock.holder.isEmpty()
               ? QCoreApplication::translate(
                     "StudentSession",
                     "%1 is already open in another copy of Tallyburrow since %2 at %3.")
                     .arg(name, date, time)
               : QCoreApplication::translate("StudentSession",
                                             "%1 is already open in another copy of Tallyburrow "
                                             "on the computer %2 since %3 at %4.")
                     .arg(name, lock.holder, date, time);
}
} // namespace

QString heldStudentText(const StudentRecord& student, const LockOutcome& lock) {
    const QString name = displayName(student.studentName);
    const QString text =
        QCoreApplication::translate(
            "StudentSession", "%1\n(The lock file is %2.)\n\nYou can open it read-only (results "
                              "are kept and saved once the other copy has closed), or choose "
                              "another name.")
            .arg(heldSentence(name, lock), pathText(lockPath(student)));
    if (!lock.mayTakeOver) {
        return text;
    }
    return text + QLatin1Char(' ') +
           QCoreApplication::translate("StudentSession",
                                       "If no copy of Tallyburrow has %1 open any more (the other "
                                       "computer was switched off, say), you can take it over.")
               .arg(name);
}
