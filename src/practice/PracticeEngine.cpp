// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticeEngine.h"

#include "practice/DrillSession.h"
#include "practice/FlashCardSession.h"
#include "practice/LearnSession.h"
#include "practice/PracticeTexts.h"
#include "practice/TestSession.h"

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

// Clears the practice area and ends the run.
void PracticeEngine::reset() {
    screen.clear();
    session.reset();
    waiting = Waiting::No;
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

// The run's events as the main window acts on them, with their texts.
void PracticeEngine::takeEvents() {
    using Kind = PracticeOutcome::Kind;
    for (SessionEvent::Any& event : session->takeEvents()) {
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
                           message.caption = PracticeText::wrongCaption;
                           outcome(message);
                           waiting = Waiting::ForMessage;
                       },
                       [this](const SessionEvent::TimeUp&) {
                           PracticeOutcome announce;
                           announce.kind = Kind::Announce;
                           announce.text = PracticeText::timeUp;
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
                   },
                   event);
    }
}
