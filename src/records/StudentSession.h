// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/BinaryIo.h"
#include "records/SessionJournal.h"
#include "records/StudentRecord.h"

#include <QDateTime>

#include <QString>

#include <filesystem>
#include <string>

// One child open in one running copy: a lock file beside the child's file ("Bob.sbk.lock")
// is held from the greeting to the end of the run. Qt's lock file works on network folders
// and takes over the lock of a copy that crashed on this computer. A lock it cannot judge (one
// of another computer, or an empty or damaged one left by a power cut) may be taken over by
// the user; a link, FIFO or device in its place is never opened.

enum class LockStatus {
    Held,        // this copy holds the lock
    HeldByOther, // another copy holds it, or a lock that cannot be judged is there
    Unavailable, // no lock can be made here (a read-only folder, say): none is needed to read
    NotAFile,    // a link or a special file stands where the lock would be
};

struct LockOutcome {
    LockStatus status = LockStatus::Unavailable;
    QString holder;           // the other copy's computer, when known
    QDateTime since;          // when the lock was made, as far as the file tells
    bool mayTakeOver = false; // no running copy on this computer holds it
    QString reason;           // for NotAFile
};

inline const char lockSuffix[] = ".lock";
// A lock holds a process number, a computer and a program name: a few lines.
constexpr std::int64_t maxLockFileBytes = 4096;

// Takes the lock of the child's file for the rest of the run.
LockOutcome lockStudentFile(StudentRecord& student);

// Removes a lock that may be taken over and takes it; false when it could not be taken.
bool takeOverLock(StudentRecord& student);

// Saves the child's file when this run may: a run opened read-only takes the lock first and
// fails, saying why, while another copy still holds it. On success the journal goes.
WriteOutcome saveStudentSession(StudentRecord& student);

// Takes an unsaved session back into the record: its changes join this run's journal (so they
// are not lost however this run ends), its own journal goes, and the child's file is saved.
// The outcome is the save's: when it fails the changes stay in this run's journal.
WriteOutcome takeBackSession(StudentRecord& student, const UnsavedSession& session);

// What the child must be asked after the greeting, if anything: the file exists but cannot be
// read (going on means nothing is saved), or another copy has the child open (going on means
// read-only). Otherwise the run may go on with another name only.
struct OpeningQuestion {
    enum Kind { None, Unreadable, HeldElsewhere } kind = None;
    QString title;
    QString text;
    QString goOn;             // the button that goes on with this child
    bool mayTakeOver = false; // HeldElsewhere: the lock may be taken over
};

// Loads the child's file and takes its lock; the question to ask when that did not simply work.
OpeningQuestion openStudent(StudentRecord& student, const std::filesystem::path& dataFolder,
                            const std::string& name);

// The child chose to go on after the question: without saving, or read-only.
void goOnWithStudent(StudentRecord& student, const OpeningQuestion& question);

// The texts of the questions asked when the child's file cannot be opened as usual.
QString unreadableStudentText(const StudentRecord& student, const QString& reason);
QString heldStudentText(const StudentRecord& student, const LockOutcome& lock);
