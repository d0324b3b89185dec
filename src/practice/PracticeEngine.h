// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/PracticeClock.h"
#include "practice/PracticeScreen.h"
#include "practice/PracticeSession.h"
#include "practice/PracticeView.h"
#include "records/StudentRecord.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// The practice area: the main window tells it what the child did (keys, typed text, timer
// ticks, confirmed options) and reads back the view to draw and the outcomes to act on.
// Each run is a session of its mode; the engine holds what lasts from run to run, keeps the
// run waiting while a window it asked for is open, and turns the run's events into
// outcomes. It reads the child's record and never changes it: a Learn choice or a finished
// test comes out as an outcome for the record's owner to apply, and so does each answered
// problem and a measured typing time, for the child's answer log.
class PracticeEngine {
public:
    PracticeEngine(PracticeClock& clock, const StudentRecord& student);

    PracticeView view() const { return drawPractice(screen); }
    const PracticeScreen& state() const { return screen; }
    // The outcomes of the calls since the last take, oldest first.
    std::vector<PracticeOutcome> takeOutcomes();
    bool showAllAnswers() const { return showAllAnswers_; }

    // A toolbar command is about to run its own action.
    void beforeToolbarCommand(ToolbarButton button);
    void reportClosed();

    // An option dialog was confirmed: each sets up the run and shows "Enter --> Begin".
    void startLearn(int operation, int number, bool showAllAnswers);
    void startDrill(int kind, int secondsPerCard); // 0 seconds: untimed drill
    void startTest(int kind, int minutes, int problemCount);
    // Practice of the facts of one operation (1 to 4) still to learn, over the child's range
    // for it, as the child's answer log tells them, with the child's answer limit. When the
    // log holds no measured typing time, a typing check comes first; the practice then
    // follows with the limit widened by it (also when the app has not yet appended it).
    void startFactPractice(int operation, const AnswerLogContents& log, std::uint64_t seed);
    // The typing check alone: a grown-up measures the child's typing time again.
    void startTypingCheck();

    void reset(); // clears the practice area and ends the run
    void enter();
    // Enter belongs to the run even where a toolbar button has the focus: while "Enter -->
    // Begin" waits, and where Enter stops the run. Otherwise Enter presses the button.
    bool keepsEnter() const;
    // Enter pressed the focused toolbar button: it loses its default look before it runs.
    void enterPressed(ToolbarButton button);
    void escape();
    void space();
    void answerTyped(const std::string& text);
    void tick(); // the test's second or the flash-card timer
    void wrongAnswerMessageClosed();
    void resultsClosed(); // after the finished test's record was applied

private:
    void start(std::unique_ptr<PracticeSession> run);
    void startFacts(int operation, const AnswerLogContents& log, std::uint64_t seed);
    void takeEvents();
    void takeEvent(const SessionEvent::Answered& answered);
    void takeEvent(const SessionEvent::TypingChecked& checked);
    void takeEvent(const SessionEvent::FactPracticeOver& over);
    void outcome(PracticeOutcome next) { outcomes.push_back(std::move(next)); }
    bool running() const { return session && waiting == Waiting::No; }

    PracticeClock& clock;
    const StudentRecord& student;
    PracticeScreen screen;
    std::unique_ptr<PracticeSession> session; // none: the area is empty
    std::vector<PracticeOutcome> outcomes;
    bool showAllAnswers_ = false; // Learn's option; Drill follows the last choice
    enum class Waiting { No, ForMessage, ForResults };
    Waiting waiting = Waiting::No; // a message or the results are open: the run waits
    struct FactsToFollow {
        int operation = 0;
        AnswerLogContents log;
        std::uint64_t seed = 0;
    };
    std::optional<FactsToFollow> factsAfterCheck; // the running typing check leads to these
};
