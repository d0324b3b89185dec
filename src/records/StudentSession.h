// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/BinaryIo.h"
#include "records/StudentRecord.h"

#include <QString>

#include <filesystem>
#include <string>

// One child open in one running copy: a lock file beside the child's file ("Bob.sbk.lock")
// is held from the greeting to the end of the run. Qt's lock file works on network folders
// and takes over the lock of a copy that crashed on this computer.

enum class LockStatus {
    Held,        // this copy holds the lock
    HeldByOther, // another running copy holds it
    Unavailable, // no lock can be made here (a read-only folder, say): none is needed to read
};

struct LockOutcome {
    LockStatus status = LockStatus::Unavailable;
    QString holder; // the other copy's computer, when known
};

// Takes the lock of the child's file for the rest of the run.
LockOutcome lockStudentFile(StudentRecord& student);

// Saves the child's file at quit when this run may: a run opened read-only takes the lock
// first and fails, saying why, while another copy still holds it.
WriteOutcome saveStudentSession(StudentRecord& student);

// What the child must be asked after the greeting, if anything: the file exists but cannot be
// read (going on means nothing is saved), or another copy has the child open (going on means
// read-only). Otherwise the run may go on with another name only.
struct OpeningQuestion {
    enum Kind { None, Unreadable, HeldElsewhere } kind = None;
    QString title;
    QString text;
    QString goOn; // the button that goes on with this child
};

// Loads the child's file and takes its lock; the question to ask when that did not simply work.
OpeningQuestion openStudent(StudentRecord& student, const std::filesystem::path& dataFolder,
                            const std::string& name);

// The child chose to go on after the question: without saving, or read-only.
void goOnWithStudent(StudentRecord& student, const OpeningQuestion& question);

// The texts of the questions asked when the child's file cannot be opened as usual.
QString unreadableStudentText(const StudentRecord& student, const QString& reason);
QString heldStudentText(const StudentRecord& student, const QString& holder);
