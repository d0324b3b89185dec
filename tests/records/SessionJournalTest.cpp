// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/SessionJournal.h"
#include "records/ResultArchive.h"
#include "records/Settings.h"
#include "records/StudentFile.h"
#include "records/StudentFolder.h"
#include "records/StudentSession.h"

#include "support/TempFolder.h"

#include <QSysInfo>

#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::vector<ScoreRecord> records(int first, int count) {
    std::vector<ScoreRecord> list;
    for (int i = 0; i < count; ++i) {
        list.push_back(ScoreRecord{static_cast<std::uint16_t>(first + i), 1, 1, 10, 5});
    }
    return list;
}

// A child's file holding the results, written as the program writes it.
void writeChild(const fs::path& file, const std::vector<ScoreRecord>& results) {
    StudentRecord student;
    readStudentBytes(student, {});
    student.history = results;
    student.changeState = ChangeState::ScoresChanged;
    writeBytes(file, studentFileBytes(student));
}

std::vector<ScoreRecord> resultsIn(const fs::path& file) {
    StudentRecord student;
    readStudentBytes(student, readBytes(file));
    return student.history;
}

// Opens the child as the greeting does, going on after any question.
StudentRecord opened(const fs::path& folder, const std::string& name = "Kid") {
    StudentRecord student;
    const OpeningQuestion question = openStudent(student, folder, name);
    goOnWithStudent(student, question);
    return student;
}

std::vector<fs::path> journalsIn(const fs::path& folder) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".journal") {
            found.push_back(entry.path());
        }
    }
    return found;
}

bool journalHolds(const fs::path& path, const ScoreRecord& result) {
    if (!fs::is_regular_file(fs::symlink_status(path))) {
        return false;
    }
    const auto changes = readJournalBytes(readBytes(path));
    return changes && std::count(changes->added.begin(), changes->added.end(), result) == 1;
}

const ScoreRecord played{4242, 1, 1, 10, 9};
} // namespace

// A journal reads back as written; a cut or any changed byte makes it unreadable.
TEST(SessionJournal, BytesReadBackAndDamageIsRefused) {
    const SessionChanges changes{123456789012,          4242,         "host", {1, 2, 3, 4, 5, 6},
                                 {7, 8, 9, 10, 11, 12}, records(1, 2)};
    const auto bytes = journalBytes(changes);
    EXPECT_EQ(readJournalBytes(bytes), changes);
    const SessionChanges bare{0, 1, "", {}, {}, {}}; // no computer's name, no results
    EXPECT_EQ(readJournalBytes(journalBytes(bare)), bare);
    for (const std::size_t size : {std::size_t{0}, std::size_t{20}, bytes.size() - 1}) {
        EXPECT_FALSE(readJournalBytes({bytes.begin(), bytes.begin() + size})) << size;
    }
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        auto changed = bytes;
        changed[at] ^= 0x10;
        EXPECT_FALSE(readJournalBytes(changed)) << at;
    }
}

// A session's changes are on the disk as soon as they are kept. A run that ends without saving
// or dropping them (a crash, a kill) leaves them to the next opening, which takes them back
// into the child's file or drops them; the quit's No drops them and leaves the file as it was.
TEST(SessionJournal, ACrashedSessionIsOfferedBackAndNoLeavesTheFile) {
    enum Ending { QuitWithNo, CrashThenKeep, CrashThenDiscard };
    for (const Ending ending : {QuitWithNo, CrashThenKeep, CrashThenDiscard}) {
        TempFolder folder;
        const fs::path file = folder.path() / "Kid.sbk";
        writeChild(file, records(1, 2));
        const auto before = readBytes(file);
        {
            StudentRecord run = opened(folder.path());
            appendScore(run, played.date, 1, 1, 10, 9);
            run.mulDivHigh = 9;
            noteLearnChoice(run, 2, 0); // another operation, the same number
            ASSERT_TRUE(keepSessionChanges(run));
            if (ending == QuitWithNo) {
                dropSessionJournal(run);
            } else { // the lock of a process that is gone, as a crash leaves it
                run.lock.reset();
                writeBytes(file.string() + ".lock",
                           {'9', '9', '9', '9', '9', '9', '9', '\n', 't', 'b', '\n'});
                std::ofstream(file.string() + ".lock", std::ios::app)
                    << QSysInfo::machineHostName().toStdString() << "\n";
            }
        }
        EXPECT_EQ(readBytes(file), before) << ending;
        StudentRecord next = opened(folder.path());
        ASSERT_NE(next.lock, nullptr) << ending;
        const std::vector<UnsavedSession> unsaved = unsavedSessions(next);
        ASSERT_EQ(unsaved.size(), ending == QuitWithNo ? 0u : 1u) << ending;
        if (ending == CrashThenKeep) {
            const QString text = unsavedSessionText(next, unsaved[0]);
            for (const char* change :
                 {"1 test result(s)", "from Config", "the last Learn choice"}) {
                EXPECT_TRUE(text.contains(change)) << change;
            }
            ASSERT_TRUE(takeBackSession(next, unsaved[0]));
            EXPECT_EQ(resultsIn(file).back(), played);
            StudentRecord reread = opened(folder.path());
            EXPECT_EQ(reread.mulDivHigh, 9);
            EXPECT_EQ(reread.lastLearnOp, 2);
        } else if (ending == CrashThenDiscard) {
            dropUnsavedSession(unsaved[0]);
        }
        EXPECT_EQ(readBytes(file) == before, ending != CrashThenKeep) << ending;
        EXPECT_TRUE(journalsIn(folder.path()).empty()) << ending;
    }
}

// A new child's defaults, and no child at all, are nothing to keep.
TEST(SessionJournal, NothingChangedKeepsNoJournal) {
    TempFolder folder;
    StudentRecord none;
    EXPECT_TRUE(keepSessionChanges(none));
    StudentRecord fresh = opened(folder.path());
    EXPECT_EQ(fresh.addSubHigh, defaultStoredValue);
    EXPECT_TRUE(keepSessionChanges(fresh));
    EXPECT_TRUE(journalsIn(folder.path()).empty());
    EXPECT_FALSE(fs::exists(".journal"));
}

// A run without the child's lock keeps a journal of its own, which no other run takes while it
// still runs; its results join the child's file once it can take the lock.
TEST(SessionJournal, AReadOnlyRunKeepsItsOwnJournal) {
    TempFolder folder;
    const fs::path file = folder.path() / "Kid.sbk";
    writeChild(file, records(1, 2));
    StudentRecord holder = opened(folder.path());
    StudentRecord readOnly = opened(folder.path());
    ASSERT_EQ(readOnly.saving, Saving::ReadOnly);
    appendScore(readOnly, played.date, 1, 1, 10, 9);
    ASSERT_TRUE(keepSessionChanges(readOnly));
    EXPECT_NE(journalPath(readOnly), journalPath(holder));
    EXPECT_TRUE(journalHolds(journalPath(readOnly), played));
    EXPECT_TRUE(unsavedSessions(holder).empty());
    EXPECT_FALSE(saveStudentSession(readOnly));
    holder.lock.reset();
    const WriteOutcome saved = saveStudentSession(readOnly);
    ASSERT_TRUE(saved) << saved.reason.toStdString();
    EXPECT_EQ(resultsIn(file).back(), played);
    EXPECT_TRUE(journalsIn(folder.path()).empty());
}

// A full history takes more results: the oldest move to the archive, a save that stopped
// between the two files does not archive them twice, and the report has every result.
TEST(ResultArchive, TheOldestResultsMoveThereAndNoneTwice) {
    TempFolder folder;
    const fs::path file = folder.path() / "Kid.sbk";
    writeChild(file, records(1, 1000));
    StudentRecord run = opened(folder.path());
    appendScore(run, 1001, 1, 1, 10, 5);
    appendScore(run, 1002, 1, 1, 10, 5);
    EXPECT_TRUE(historyOverflows(run));
    ASSERT_TRUE(saveStudentSession(run));
    EXPECT_EQ(readArchive(file).records, records(1, 2));
    EXPECT_EQ(resultsIn(file), records(3, 1000));
    EXPECT_TRUE(addToArchive(file, records(1, 2))); // already there
    EXPECT_EQ(readArchive(file).records, records(1, 2));
    run.lock.reset();
    EXPECT_EQ(allResults(opened(folder.path())), records(1, 1002));
    writeBytes(archivePath(file), {'x'}); // a damaged archive is never written over
    StudentRecord again = opened(folder.path());
    appendScore(again, 1003, 1, 1, 10, 5);
    EXPECT_FALSE(saveStudentSession(again));
    EXPECT_EQ(readBytes(archivePath(file)), std::vector<unsigned char>{'x'});
}

// A writer killed at random moments of its journal writes always leaves a whole journal.
TEST(SessionJournal, AKillDuringAKeepLeavesAWholeJournal) {
    TempFolder folder;
    writeChild(folder.path() / "Kid.sbk", {});
    std::mt19937 random(11);
    for (int round = 0; round < 40; ++round) {
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            StudentRecord run = opened(folder.path());
            for (std::uint16_t date = 1;; ++date) {
                appendScore(run, date, 1, 1, 10, 5);
                keepSessionChanges(run);
            }
        }
        usleep(std::uniform_int_distribution<useconds_t>(500, 5000)(random));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        const fs::path journal = folder.path() / "Kid.sbk.journal";
        EXPECT_TRUE(!fs::exists(journal) || readJournalBytes(readBytes(journal))) << round;
        fs::remove(journal);
        fs::remove(folder.path() / "Kid.sbk.lock");
    }
}

// Hostile entries in place of each file the program writes in the data folder: nothing outside
// the folder is written, the entry stays as it was, nothing hangs, and the session's result is
// kept, in the child's file or in a journal.
TEST(HostileFolder, NothingOutsideIsWrittenAndNoResultIsLost) {
    const char* files[] = {"Kid.sbk", "Kid.sbk.journal", "Kid.sbk.archive", "Kid.sbk.lock",
                           "tallyburrow.ini"};
    const std::pair<const char*, std::function<void(const fs::path&, const fs::path&)>> kinds[] = {
        {"link to a file outside", [](auto& p, auto& victim) { fs::create_symlink(victim, p); }},
        {"FIFO", [](auto& p, auto&) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
        {"link to a device",
         [](auto& p, auto& victim) {
             const fs::path own = victim.parent_path() / "null";
             const bool made = mknod(own.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
             fs::create_symlink(made ? own : fs::path("/dev/null"), p);
         }},
        {"folder", [](auto& p, auto&) { fs::create_directory(p); }}};
    for (const char* name : files) {
        for (const auto& [kind, make] : kinds) {
            TempFolder folder;
            TempFolder outside;
            const fs::path victim = outside.path() / "victim";
            writeBytes(victim, {9, 9, 9});
            if (std::string(name) != "Kid.sbk") { // full, so that a save archives
                writeChild(folder.path() / "Kid.sbk", records(1, 1000));
            }
            const fs::path entry = folder.path() / name;
            make(entry, victim);
            const auto type = fs::symlink_status(entry).type();
            Settings settings;
            readOrCreateSettings(folder.path() / settingsFileName, settings);
            notePrintedTestId(settings, 5);
            saveSettingsIfDirty(folder.path() / settingsFileName, settings);
            StudentRecord run = opened(folder.path());
            appendScore(run, played.date, 1, 1, 10, 9);
            keepSessionChanges(run);
            const bool saved = static_cast<bool>(saveStudentSession(run));
            const std::string what = std::string(name) + ", " + kind;
            EXPECT_EQ(readBytes(victim), (std::vector<unsigned char>{9, 9, 9})) << what;
            EXPECT_EQ(fs::symlink_status(entry).type(), type) << what;
            const auto journals = journalsIn(folder.path());
            EXPECT_TRUE((saved && resultsIn(folder.path() / "Kid.sbk").back() == played) ||
                        std::any_of(journals.begin(), journals.end(),
                                    [](const fs::path& j) { return journalHolds(j, played); }))
                << what;
        }
    }
}

// A lock that cannot be judged (empty, damaged, another computer's) may be taken over; one of
// a copy running on this computer may not. A child's name that is not valid UTF-8 opens, locks
// and saves its own file.
TEST(HostileFolder, LocksAndOddNamesNeverLockAChildOut) {
    const struct {
        const char* what;
        std::string lock; // empty: held by a running copy on this computer
        bool mayTakeOver;
    } cases[] = {{"empty lock", std::string(), true},
                 {"damaged lock", std::string("\xff\x01garbage"), true},
                 {"other computer", "4711\ntallyburrow\nfaraway-pc\n", true},
                 {"running copy here", "", false}};
    for (const auto& c : cases) {
        TempFolder folder;
        writeChild(folder.path() / "Kid.sbk", records(1, 2));
        StudentRecord other;
        other.path = folder.path() / "Kid.sbk";
        if (std::string(c.what) == "running copy here") {
            ASSERT_EQ(lockStudentFile(other).status, LockStatus::Held);
        } else {
            writeBytes(folder.path() / "Kid.sbk.lock", {c.lock.begin(), c.lock.end()});
        }
        StudentRecord run;
        const OpeningQuestion question = openStudent(run, folder.path(), "Kid");
        EXPECT_EQ(question.kind, OpeningQuestion::HeldElsewhere) << c.what;
        EXPECT_EQ(question.mayTakeOver, c.mayTakeOver) << c.what;
        EXPECT_TRUE(question.text.contains("Kid.sbk.lock")) << c.what;
        EXPECT_EQ(takeOverLock(run), c.mayTakeOver) << c.what;
    }
    TempFolder folder;
    const std::string odd = "Zo\xeb";
    writeChild(folder.path() / (odd + ".sbk"), records(1, 1));
    EXPECT_EQ(listStudentNames(folder.path()), std::vector<std::string>{odd});
    EXPECT_EQ(displayName(odd), QString::fromUtf8("Zo\xc3\xab"));
    StudentRecord run = opened(folder.path(), odd);
    ASSERT_NE(run.lock, nullptr);
    appendScore(run, played.date, 1, 1, 10, 9);
    ASSERT_TRUE(keepSessionChanges(run));
    ASSERT_TRUE(saveStudentSession(run));
    EXPECT_EQ(resultsIn(folder.path() / (odd + ".sbk")).size(), 2u);
    EXPECT_TRUE(journalsIn(folder.path()).empty());
}
