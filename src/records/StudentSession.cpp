// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentSession.h"

#include "common/FileRead.h"
#include "records/StudentFile.h"

#include <QLockFile>

LockOutcome lockStudentFile(StudentRecord& student) {
    auto lock = std::make_shared<QLockFile>(pathText(student.path) + QStringLiteral(".lock"));
    // Never taken over for its age alone: a copy on another computer may run for hours.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        student.lock = std::move(lock);
        return LockOutcome{LockStatus::Held, {}};
    }
    if (lock->error() != QLockFile::LockFailedError) {
        return LockOutcome{LockStatus::Unavailable, {}};
    }
    qint64 pid = 0;
    QString host;
    QString application;
    lock->getLockInfo(&pid, &host, &application);
    return LockOutcome{LockStatus::HeldByOther, host};
}

WriteOutcome saveStudentSession(StudentRecord& student) {
    if (student.saving == Saving::Off) {
        return WriteOutcome{false, QStringLiteral("the file could not be read when it was opened")};
    }
    if (student.lock == nullptr && lockStudentFile(student).status == LockStatus::HeldByOther) {
        return WriteOutcome{false, QStringLiteral("it is open in another copy of Tallyburrow")};
    }
    return saveStudentFile(student);
}

OpeningQuestion openStudent(StudentRecord& student, const std::filesystem::path& dataFolder,
                            const std::string& name) {
    student = StudentRecord{};
    const ReadOutcome read = loadStudentFile(student, dataFolder, name);
    if (read.status != ReadStatus::Loaded && read.status != ReadStatus::Missing) {
        return {OpeningQuestion::Unreadable, QStringLiteral("Results cannot be opened"),
                unreadableStudentText(student, read.reason),
                QStringLiteral("Go on without saving")};
    }
    const LockOutcome lock = lockStudentFile(student);
    if (lock.status == LockStatus::HeldByOther) {
        return {OpeningQuestion::HeldElsewhere, QStringLiteral("Already open"),
                heldStudentText(student, lock.holder), QStringLiteral("Open read-only")};
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
    return QStringLiteral("The results of %1 cannot be opened:\n%2\n(%3)\n\n"
                          "The file is left as it is. You can go on without saving "
                          "anything, or choose another name.")
        .arg(QString::fromStdString(student.studentName), pathText(student.path), reason);
}

QString heldStudentText(const StudentRecord& student, const QString& holder) {
    const QString where =
        holder.isEmpty() ? QString() : QStringLiteral(" on the computer %1").arg(holder);
    return QStringLiteral("%1 is already open in another copy of Tallyburrow%2.\n\n"
                          "You can open it read-only (results are saved only once the other "
                          "copy has closed), or choose another name.")
        .arg(QString::fromStdString(student.studentName), where);
}
