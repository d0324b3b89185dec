// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticeSession.h"

#include <utility>

PracticeSession::PracticeSession(PracticeScreen& screen, PracticeClock& clock,
                                 const StudentRecord& student, int kind, PracticeMode mode,
                                 int learnNumber)
    : screen(screen), clock(clock), reshuffle(mode != PracticeMode::Learn),
      list(buildProblemList(static_cast<OperationKind>(kind), mode, student, learnNumber, random,
                            seedFromTimeOfDay(clock.secondsSinceMidnight()))) {}

std::vector<SessionEvent::Any> PracticeSession::takeEvents() {
    return std::exchange(events, {});
}

void PracticeSession::space() {
    if (screen.typed.empty() && !screen.shownAnswer) {
        showAnswer();
    }
}

bool PracticeSession::advance() {
    const int count = static_cast<int>(list.size());
    if (count == 0) {
        return false; // nothing to show: the run waits for Escape or a toolbar command
    }
    if (place >= count) {
        place = 0;
        if (reshuffle) {
            random.seed(seedFromTimeOfDay(clock.secondsSinceMidnight()));
            shuffleProblemList(list, random);
        }
    }
    ++place;
    return true;
}

void PracticeSession::showProblem() {
    screen.problem = current();
    screen.shownAnswer.reset();
}

bool PracticeSession::showNextProblem(TitleLine title) {
    screen.title = title;
    if (!advance()) {
        return false;
    }
    showProblem();
    screen.nextStep = NextStep::Next;
    screen.typed.clear();
    screen.moveFocus(PracticeFocus::AnswerBox);
    return true;
}

void PracticeSession::showAnswer() {
    if (!screen.problem) {
        return;
    }
    screen.boxVisible = false;
    screen.shownAnswer = correctAnswer(*screen.problem);
    screen.moveFocus(PracticeFocus::AnswerLabel);
    screen.happy = false;
    screen.answerKeyVisible = false;
    screen.status = StatusNote::None;
}
