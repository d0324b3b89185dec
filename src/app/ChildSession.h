// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/AppContext.h"
#include "records/AnswerLog.h"

#include <QCoreApplication>

class QWidget;

// The open child's session: every change to the child's record goes through here and is in
// the journal the moment it is made; quitting decides whether the session's results join the
// child's file (Yes) or go (No). Problems are told over the window given.
class ChildSession {
    Q_DECLARE_TR_FUNCTIONS(ChildSession)

public:
    ChildSession(AppContext& context, QWidget* window);
    ~ChildSession();

    // The child was opened: the log of the child's answers is opened (made when missing).
    // A log that cannot be written is told about once and left exactly as it is.
    void openAnswerLog();
    // Every answer is on the disk before this returns; a failure is told once.
    void addAnswer(const LoggedAnswer& answer);
    void addLimit(const LimitSetting& limit);

    // The finished on-screen test's result joins the child's history, on the disk at once.
    void addScore(const ScoreRecord& score);
    void noteLearnChoice(int operation, int number);
    // Writes what changed since the last keeping (a Learn choice, a printed score, a Config
    // change) to the journal, and a raised Test ID to the settings file.
    void keep();
    // Nothing can be saved in the data folder: told once, before the greeting.
    void tellUnsavableFolder();
    // The quit: saves or drops the session, asking as needed; false when the child chose to
    // stay. Once it returned true, the session is closed and nothing more is kept.
    bool quit();
    // The session ends at once (a logout, a shutdown, a kill signal): what the child did is
    // in the journal already and stays there, to be offered back at the next opening; the
    // child's lock is let go. Nothing is asked, and the program ends.
    [[noreturn]] void endKeeping();

private:
    bool quitAsking();
    bool keepOrDrop();
    bool saveOrAsk();
    void saveSettingsAtQuit();
    void tellKeptForLater();
    void tellAnswersNotKept(const QString& reason);

    AppContext& context_;
    QWidget* window_;
    bool keepFailureTold_ = false; // the journal could not be written, and the child was told
    bool overflowTold_ = false;    // the history outgrew the file, and the child was told
    bool folderTold_ = false;      // nothing can be saved in the folder, and the child was told
    bool closed_ = false;          // the quit has kept or dropped the session
    bool answersFailureTold_ = false;
};
