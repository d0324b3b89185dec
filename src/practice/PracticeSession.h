// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/PracticeClock.h"
#include "practice/PracticeScreen.h"
#include "practice/ProblemList.h"
#include "records/AnswerLog.h"
#include "records/StudentRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// What a run reports to its owner, in the order it happened.
namespace SessionEvent {
struct LearnChosen { // the child chose an operation and a number to learn
    int operation = 0;
    int number = 0;
};
struct AnswerWrong { // the typed answer was wrong: the run waits until resume()
    int correctAnswer = 0;
};
struct TimeUp {}; // the test's time ran out
struct Missed {   // a test problem answered wrongly or not at all
    Problem problem;
    std::string typed;
};
struct TestFinished { // the run is over; the record belongs in the child's history
    ScoreRecord record;
    std::vector<Missed> missed;
};
// One problem the child answered, for the child's answer log: each problem at most once, as
// the mode first judged it (see PracticeSession::reportAnswer).
struct Answered {
    LoggedAnswer answer;
};
// The typing check is over: the child's typing allowance, when a number was typed right.
struct TypingChecked {
    std::optional<LimitSetting> limit;
};
// The fact practice is over: the facts learned in it, and how many problems it asked.
struct FactPracticeOver {
    std::vector<Problem> learned;
    std::size_t asked = 0;
};
using Any = std::variant<LearnChosen, AnswerWrong, TimeUp, TestFinished, Answered, TypingChecked,
                         FactPracticeOver>;
} // namespace SessionEvent

// One run of practice in one mode. It is told what the child does and changes the
// practice area's state; what its owner must act on comes out as events.
class PracticeSession {
public:
    virtual ~PracticeSession() = default;
    PracticeSession(const PracticeSession&) = delete;
    PracticeSession& operator=(const PracticeSession&) = delete;

    virtual void enter() = 0; // Enter or the instruction button: the next step
    virtual void space();     // the answer is asked for: shown when nothing is typed
    virtual void answerTyped(const std::string& text) { screen.typed = text; }
    virtual void tick() {}   // the run's timer fired
    virtual void resume() {} // the window the run waited for was closed
    // Enter ends the run now, before any button could take it.
    virtual bool enterStops() const { return false; }
    // A problem of this run was reached: Enter on a toolbar button presses it from now on.
    bool begun() const { return presented; }

    std::vector<SessionEvent::Any> takeEvents();

protected:
    // The run's problems are built for the mode from the child's ranges (learnNumber: the
    // first operand of Learn), shuffled but in Learn, and again for every later round.
    PracticeSession(PracticeScreen& screen, PracticeClock& clock, const StudentRecord& student,
                    int kind, PracticeMode mode, int learnNumber = 0);
    // A run that chooses its problems itself, with no list.
    PracticeSession(PracticeScreen& screen, PracticeClock& clock);

    // Takes the next problem of the list, starting a new round after the last; false when
    // the list is empty.
    bool advance();
    const Problem& current() const { return list[static_cast<std::size_t>(place - 1)]; }
    void showProblem() { present(current()); }
    // The problem on screen from now on, its answer not yet shown: its time starts now.
    void present(const Problem& problem);
    void markBegun() { presented = true; } // for a run that shows no problem
    void startTiming();                    // elapsedMs() counts from now; present() calls it
    // The problem, the cleared box and the focus on it; false when there is no problem.
    bool showNextProblem(TitleLine title);
    // The answer in place of the box. Whatever the child types after it is not recall, so
    // the problem reports no answer from now on.
    void showAnswer();
    void report(SessionEvent::Any event) { events.push_back(std::move(event)); }
    // Milliseconds since the problem on screen appeared, held to the u32 range.
    std::uint32_t elapsedMs() const;
    // Reports the child's answer to the problem on screen as SessionEvent::Answered, dated
    // today, with elapsedMs(). Only the first answer of a problem counts: a right answer after
    // a wrong one stays wrong, and nothing is reported once the answer was shown. Gives the
    // milliseconds it took.
    std::uint32_t reportAnswer(bool right);

    PracticeScreen& screen;
    PracticeClock& clock;

private:
    RandomGenerator random;
    bool reshuffle;
    std::vector<Problem> list;
    int place = 0;           // the problem reached, counted from 1; 0 = none yet
    bool presented = false;  // a problem was shown
    bool answerDone = false; // the problem on screen was answered or its answer shown
    double shownAt = 0;      // monotonic seconds when the problem on screen appeared
    std::vector<SessionEvent::Any> events;
};
