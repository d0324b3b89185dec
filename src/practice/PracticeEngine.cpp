// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticeEngine.h"

#include "practice/DrillSession.h"
#include "practice/FactPracticeSession.h"
#include "practice/FlashCardSession.h"
#include "practice/Fluency.h"
#include "practice/LearnSession.h"
#include "practice/PracticeTexts.h"
#include "practice/TestSession.h"
#include "practice/TypingCheckSession.h"

#include <algorithm>
#include <utility>

namespace {
template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
// Spelled out for compilers without deduction for aggregates (clang 14).
template <typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;
} // namespace

PracticeEngine::PracticeEngine(PracticeClock& clock, const StudentRecord& student)
    : clock(clock), student(student) {
    ++screen.focusMoves; // the answer label holds the focus from the start
}

std::vector<PracticeOutcome> PracticeEngine::takeOutcomes() {
    return std::exchange(outcomes, {});
}

void PracticeEngine::beforeToolbarCommand(ToolbarButton button) {
    if (button == ToolbarButton::Test) {
        screen.statusRoom = StatusRoom::Narrow;
    } else if (button == ToolbarButton::Learn || button == ToolbarButton::Drill) {
        screen.statusRoom = StatusRoom::Wide;
    }
    if (button == ToolbarButton::Quit || button == ToolbarButton::Help) {
        return;
    }
    if (button == ToolbarButton::Learn || button == ToolbarButton::Drill ||
        button == ToolbarButton::Test) {
        screen.boxEnabled = true; // flash cards had it disabled
    }
    reset();
}

void PracticeEngine::reportClosed() {
    screen.setDefaultLook(ToolbarButton::Learn, true);
}

void PracticeEngine::start(std::unique_ptr<PracticeSession> run) {
    session = std::move(run);
    waiting = Waiting::No;
    factsAfterCheck.reset();
    takeEvents();
}

void PracticeEngine::startLearn(int operation, int number, bool showAll) {
    showAllAnswers_ = showAll;
    start(std::make_unique<LearnSession>(screen, clock, student, operation, number, showAll));
}

void PracticeEngine::startDrill(int kind, int secondsPerCard) {
    if (secondsPerCard > 0) {
        start(std::make_unique<FlashCardSession>(screen, clock, student, kind, secondsPerCard));
    } else {
        start(std::make_unique<DrillSession>(screen, clock, student, kind, showAllAnswers_));
    }
}

void PracticeEngine::startTest(int kind, int minutes, int problemCount) {
    // A score record holds the minutes in one byte and the problems in 16 bits.
    start(std::make_unique<TestSession>(screen, clock, student, kind, std::clamp(minutes, 0, 255),
                                        std::clamp(problemCount, 0, 32767)));
}

void PracticeEngine::startFactPractice(int operation, const AnswerLogContents& log,
                                       std::uint64_t seed) {
    const bool measured = std::any_of(log.limits.begin(), log.limits.end(), [](const auto& l) {
        return l.source == LimitSource::TypingTime;
    });
    if (measured) {
        startFacts(operation, log, seed);
        return;
    }
    // The check's numbers come from the same seed, in a stream of their own.
    start(std::make_unique<TypingCheckSession>(screen, clock, seed ^ 0x5479706543686B21ULL));
    factsAfterCheck = FactsToFollow{operation, log, seed};
}

void PracticeEngine::startTypingCheck() {
    start(std::make_unique<TypingCheckSession>(screen, clock,
                                               seedFromTimeOfDay(clock.secondsSinceMidnight())));
}

// The grid over the child's range of the operation; another operation has no facts.
void PracticeEngine::startFacts(int operation, const AnswerLogContents& log, std::uint64_t seed) {
    const bool addSub = operation == 1 || operation == 2;
    const bool known = addSub || operation == 3 || operation == 4;
    const int low = !known ? 0 : addSub ? student.addSubLow : student.mulDivLow;
    const int high = !known ? -1 : addSub ? student.addSubHigh : student.mulDivHigh;
    const std::uint32_t limitMs = childAnswerLimitMs(log);
    const FluencyGrid grid = fluencyGrid(log, operation, low, high, low, high, limitMs);
    start(std::make_unique<FactPracticeSession>(screen, clock, grid, limitMs, seed));
}

// Clears the practice area and ends the run.
void PracticeEngine::reset() {
    screen.clear();
    session.reset();
    waiting = Waiting::No;
    factsAfterCheck.reset();
}

bool PracticeEngine::keepsEnter() const {
    return session && (!session->begun() || session->enterStops());
}

void PracticeEngine::enterPressed(ToolbarButton button) {
    screen.setDefaultLook(button, false);
}

void PracticeEngine::enter() {
    if (session && session->enterStops()) {
        reset();
        return;
    }
    if (running()) {
        session->enter();
        takeEvents();
    }
}

void PracticeEngine::escape() {
    reset();
    screen.moveFocus(PracticeFocus::Learn);
    screen.setDefaultLook(ToolbarButton::Learn, true);
}

void PracticeEngine::space() {
    if (running()) {
        session->space();
        takeEvents(); // Space on an empty box is a wrong answer
    }
}

void PracticeEngine::answerTyped(const std::string& text) {
    if (running()) {
        session->answerTyped(text);
        takeEvents();
    } else {
        screen.typed = text;
    }
}

void PracticeEngine::tick() {
    if (running()) {
        session->tick();
        takeEvents();
    }
}

void PracticeEngine::wrongAnswerMessageClosed() {
    if (waiting == Waiting::ForMessage) {
        waiting = Waiting::No;
        session->resume();
        takeEvents();
    }
}

void PracticeEngine::resultsClosed() {
    if (waiting == Waiting::ForResults) {
        reset();
        screen.setDefaultLook(ToolbarButton::Report, true);
        screen.moveFocus(PracticeFocus::Report);
    }
}

void PracticeEngine::takeEvent(const SessionEvent::Answered& answered) {
    PracticeOutcome logged;
    logged.kind = PracticeOutcome::Kind::Answered;
    logged.answer = answered.answer;
    outcome(logged);
}

// The measured time goes to the app for the child's log; the fact practice waiting for the
// check follows with it, else the check just ends.
void PracticeEngine::takeEvent(const SessionEvent::TypingChecked& checked) {
    if (checked.limit) {
        PracticeOutcome measured;
        measured.kind = PracticeOutcome::Kind::LimitMeasured;
        measured.limit = *checked.limit;
        outcome(measured);
    }
    if (!factsAfterCheck) {
        screen.setDefaultLook(ToolbarButton::Learn, true);
        screen.moveFocus(PracticeFocus::Learn);
        return;
    }
    FactsToFollow facts = std::move(*factsAfterCheck);
    if (checked.limit) {
        facts.log.limits.push_back(*checked.limit);
    }
    startFacts(facts.operation, facts.log, facts.seed);
}

// The end is said as the status line shows it.
void PracticeEngine::takeEvent(const SessionEvent::FactPracticeOver& over) {
    PracticeOutcome announce;
    announce.kind = PracticeOutcome::Kind::Announce;
    announce.text = factPracticeOverText(over.learned, over.asked == 0);
    outcome(announce);
}

// The run's events as the main window acts on them, with their texts.
void PracticeEngine::takeEvents() {
    using Kind = PracticeOutcome::Kind;
    // A check followed by the fact practice replaces the run: its events are taken first.
    std::vector<SessionEvent::Any> events = session->takeEvents();
    for (SessionEvent::Any& event : events) {
        std::visit(Overloaded{
                       [this](const SessionEvent::LearnChosen& chosen) {
                           PracticeOutcome learn;
                           learn.kind = Kind::LearnChosen;
                           learn.operation = chosen.operation;
                           learn.number = chosen.number;
                           outcome(learn);
                       },
                       [this](const SessionEvent::AnswerWrong& wrong) {
                           PracticeOutcome message;
                           message.kind = Kind::WrongAnswerMessage;
                           message.text = wrongAnswerBody(wrong.correctAnswer);
                           message.caption = shownText(PracticeText::wrongCaption);
                           outcome(message);
                           waiting = Waiting::ForMessage;
                       },
                       [this](const SessionEvent::TimeUp&) {
                           PracticeOutcome announce;
                           announce.kind = Kind::Announce;
                           announce.text = shownText(PracticeText::timeUp);
                           outcome(announce);
                       },
                       [this](const SessionEvent::TestFinished& finished) {
                           PracticeOutcome beep;
                           beep.kind = Kind::Beep;
                           outcome(beep);
                           PracticeOutcome results;
                           results.kind = Kind::TestFinished;
                           const ScoreRecord& record = finished.record;
                           results.text = testOverText(record.correct, record.problems);
                           results.summary = {record.problems,
                                              record.correct,
                                              static_cast<int>(student.history.size()),
                                              {}};
                           for (const SessionEvent::Missed& missed : finished.missed) {
                               results.summary.wrongList.push_back(
                                   wrongAnswerEntry(missed.problem, missed.typed));
                           }
                           results.record = record;
                           outcome(results);
                           waiting = Waiting::ForResults;
                       },
                       [this](const auto& other) { takeEvent(other); },
                   },
                   event);
    }
}
