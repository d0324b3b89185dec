// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileRead.h"
#include "common/FileWrite.h"
#include "records/StudentRecord.h"

#include <QString>

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

// A run's changes to the child's record are on the disk the moment they exist: each change
// rewrites a small journal beside the child's file ("Bob.sbk.journal"), atomically and synced.
// The child's file itself is written only when the session's results are kept (the quit
// question's Yes); No drops the journal and leaves the file as it was. A journal still there at
// the next opening is a session that ended without either (a crash, a kill, a logout): its
// results are offered back.
//
// A run that does not hold the child's lock (read-only, or the file could not be read) keeps
// its journal under a name of its own ("Bob.sbk.<computer>-<pid>.journal"), so that two copies
// never write one journal.

// The stored values in journal order: addSubHigh, mulDivHigh, addSubPerMin, mulDivPerMin,
// lastLearnOp, lastLearnNumber.
using StoredValues = std::array<std::int32_t, 6>;

// What one run changed since the child's file was loaded (or last saved).
struct SessionChanges {
    std::int64_t startMs = 0; // when the run began, milliseconds since 1970 (UTC)
    std::int32_t pid = 0;     // the run's process, and its computer
    QString host;
    StoredValues loaded{};  // as the run found them
    StoredValues current{}; // as the run left them
    std::vector<ScoreRecord> added;

    bool operator==(const SessionChanges&) const = default;
};

SessionChanges sessionChanges(const StudentRecord& student);
bool hasChanges(const SessionChanges& changes);

// Replays a journal onto a freshly opened record: its results are added and each value it
// changed takes the journal's value.
void applySessionChanges(StudentRecord& student, const SessionChanges& changes);

std::vector<unsigned char> journalBytes(const SessionChanges& changes);
// Empty when the bytes are not a whole journal.
std::optional<SessionChanges> readJournalBytes(const std::vector<unsigned char>& bytes);

// A journal of at most this size is read; a session adds far fewer results.
constexpr std::int64_t maxJournalFileBytes = 1024 * 1024;

// This run's journal for the child.
std::filesystem::path journalPath(const StudentRecord& student);

// Writes this run's journal when the changes differ from those written last; removes it when
// nothing is changed any more. Called after every change to the record; with no child open
// it does nothing.
WriteOutcome keepSessionChanges(StudentRecord& student);

// The run's results were saved in the child's file, or the child chose not to keep them.
void dropSessionJournal(StudentRecord& student);

// A journal left by a run that ended without saving or dropping it.
struct UnsavedSession {
    std::filesystem::path path;
    SessionChanges changes;
    QString problem; // why it cannot be read, when it cannot
};

// The journals of the child's file that no running copy on this computer writes any more
// (a copy on another computer may still run: its journal names the computer).
std::vector<UnsavedSession> unsavedSessions(const StudentRecord& student);

// The child chose not to keep an unsaved session: its journal goes.
void dropUnsavedSession(const UnsavedSession& session);

// The text of the question that offers an unsaved session back.
QString unsavedSessionText(const StudentRecord& student, const UnsavedSession& session);
