// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChildSession.h"

#include "records/SessionJournal.h"
#include "records/StudentFolder.h"
#include "records/StudentSession.h"

#include <QMessageBox>

#include <cstdlib>

namespace {
QString childName(const StudentRecord& student) {
    return displayName(student.studentName);
}
} // namespace

void ChildSession::addScore(const ScoreRecord& score) {
    appendScore(context_.student, score.date, score.kind, score.timeLimit, score.problems,
                score.correct);
    keep();
}

void ChildSession::noteLearnChoice(int operation, int number) {
    ::noteLearnChoice(context_.student, operation, number);
    keep();
}

void ChildSession::keep() {
    StudentRecord& student = context_.student;
    if (closed_) {
        return;
    }
    if (const WriteOutcome kept = keepSessionChanges(student); !kept && !keepFailureTold_) {
        keepFailureTold_ = true;
        QMessageBox::warning(
            window_, tr("Results not kept"),
            tr("The results of %1 could not be written to the disk in\n%2\n(%3)\n\n"
               "They are saved at quit if the disk allows it then.")
                .arg(childName(student), pathText(journalPath(student)), kept.reason));
    }
    if (historyOverflows(student) && !overflowTold_) {
        overflowTold_ = true;
        QMessageBox::information(
            window_, tr("Results kept"),
            tr("%1 has more than %2 results now, the most a child's file holds.\n\n"
               "Nothing is lost: the oldest results move to\n%3\nwhere the report "
               "and the chart still show them.")
                .arg(childName(student))
                .arg(maxScoreRecords)
                .arg(pathText(student.path) + QLatin1String(".archive")));
    }
    if (context_.settings.settingsDirty) {
        saveSettingsIfDirty(context_.data.settingsPath, context_.settings); // else at quit
    }
}

void ChildSession::tellUnsavableFolder() {
    if (folderTold_ || context_.data.writable) {
        return;
    }
    folderTold_ = true;
    QMessageBox::warning(window_, tr("Nothing can be saved"),
                         tr("Tallyburrow cannot save anything in the folder\n%1\n(%2)"
                            "\n\nYou can practise, but no result will be kept. "
                            "Ask a grown-up to check the folder.")
                             .arg(pathText(context_.data.folder), context_.data.writable.reason));
}

void ChildSession::endKeeping() {
    keep();
    context_.student.lock.reset(); // the next start opens the child without a question
    std::_Exit(0); // nothing is unwound: no dialog that is open can decide anything now
}

void ChildSession::saveSettingsAtQuit() {
    const std::filesystem::path& path = context_.data.settingsPath;
    const WriteOutcome saved = saveSettingsIfDirty(path, context_.settings);
    if (saved) {
        return;
    }
    // A damaged file is written over only when the user says so; another failure is told.
    if (entryKind(path) == EntryKind::File &&
        QMessageBox::question(window_, tr("Quit Program"),
                              tr("%1\n\nReplace it with the highest Test ID printed now, %2?")
                                  .arg(settingsProblemText(path, saved.reason))
                                  .arg(context_.settings.highestTestId),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes &&
        replaceSettings(path, context_.settings)) {
        return;
    }
    QMessageBox::warning(window_, tr("Quit Program"),
                         tr("The highest Test ID could not be saved in\n%1\n(%2)")
                             .arg(pathText(path), saved.reason));
}

bool ChildSession::quit() {
    if (closed_) {
        return true;
    }
    closed_ = quitAsking();
    return closed_;
}

bool ChildSession::quitAsking() {
    // Not fatal, but a Test ID printed again would give the same pages: the user is told.
    saveSettingsAtQuit();
    StudentRecord& student = context_.student;
    if (student.studentName.empty()) {
        return true;
    }
    keep();
    // A new child's first save (the defaults in place of an empty file) is asked about as
    // little as a change in Config; a file that could not be read was never going to be saved.
    if (storedValuesChanged(student) && student.saving != Saving::Off) {
        return saveOrAsk();
    }
    if (student.changeState == ChangeState::Unchanged && !hasChanges(sessionChanges(student))) {
        dropSessionJournal(student);
        return true;
    }
    return keepOrDrop();
}

// The quit question: Yes keeps the session's results, No leaves the child's file as it was
// when the session began, Cancel keeps the program open.
bool ChildSession::keepOrDrop() {
    const auto answer = QMessageBox::question(
        window_, tr("Quit Program"), tr("Data has changed... Save it before quiting?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel) {
        return false;
    }
    if (answer == QMessageBox::No) {
        dropSessionJournal(context_.student);
        return true;
    }
    return saveOrAsk();
}

// Results that cannot be saved now stay in the journal and are offered at the next opening.
void ChildSession::tellKeptForLater() {
    const StudentRecord& student = context_.student;
    QMessageBox::information(
        window_, tr("Quit Program"),
        tr("The results of %1 are kept in\n%2\n\nThey are saved in %1's file the next "
           "time %1 opens Tallyburrow while the file can be written.")
            .arg(childName(student), pathText(student.journaledPath)));
}

// Saves the child's file. A save that fails is not passed over in silence: the results stay
// in the journal, and the window stays open unless the user chooses to quit anyway.
bool ChildSession::saveOrAsk() {
    StudentRecord& student = context_.student;
    for (;;) {
        const WriteOutcome saved = saveStudentSession(student);
        if (saved) {
            return true;
        }
        if (student.saving != Saving::Allowed && !student.journaledBytes.empty()) {
            tellKeptForLater(); // read-only while the other copy still runs, or unreadable
            return true;
        }
        // Close leaves the results in the journal; where even that could not be written,
        // quitting discards them, and the button says so.
        const bool kept = !student.journaledBytes.empty();
        const QString quitNow =
            kept ? tr("Close to quit now (the results are kept and offered again "
                      "when %1 next opens Tallyburrow)")
                       .arg(childName(student))
                 : tr("Discard to quit without saving");
        const auto answer = QMessageBox::warning(
            window_, tr("Quit Program"),
            tr("The results of %1 could not be saved in\n%2\n(%3)\n\n"
               "Retry to try again, %4, or Cancel to keep the program open.")
                .arg(childName(student), pathText(student.path), saved.reason, quitNow),
            QMessageBox::Retry | (kept ? QMessageBox::Close : QMessageBox::Discard) |
                QMessageBox::Cancel,
            QMessageBox::Retry);
        if (answer == QMessageBox::Close || answer == QMessageBox::Discard) {
            return true;
        }
        if (answer == QMessageBox::Cancel) {
            return false;
        }
    }
}
