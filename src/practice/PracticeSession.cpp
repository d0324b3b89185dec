// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticeSession.h"

#include "records/PackDate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

PracticeSession::PracticeSession(PracticeScreen& screen, PracticeClock& clock,
                                 const StudentRecord& student, int kind, PracticeMode mode,
                                 int learnNumber)
    : screen(screen), clock(clock), reshuffle(mode != PracticeMode::Learn),
      list(buildProblemList(static_cast<OperationKind>(kind), mode, student, learnNumber, random,
                            seedFromTimeOfDay(clock.secondsSinceMidnight()))) {}

PracticeSession::PracticeSession(PracticeScreen& screen, PracticeClock& clock)
    : screen(screen), clock(clock), reshuffle(false) {}

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

void PracticeSession::present(const Problem& problem) {
    screen.problem = problem;
    screen.shownAnswer.reset();
    presented = true;
    answerDone = false;
    startTiming();
}

void PracticeSession::startTiming() {
    shownAt = clock.monotonicSeconds();
}

std::uint32_t PracticeSession::elapsedMs() const {
    const double ms = std::round((clock.monotonicSeconds() - shownAt) * 1000.0);
    return static_cast<std::uint32_t>(std::clamp(ms, 0.0, double(UINT32_MAX)));
}

std::uint32_t PracticeSession::reportAnswer(bool right) {
    const std::uint32_t ms = elapsedMs();
    if (screen.problem && !answerDone) {
        answerDone = true;
        const Problem& p = *screen.problem;
        report(SessionEvent::Answered{
            {p.operation, p.first, p.second, right, false, ms, packDate(clock.today())}});
    }
    return ms;
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
    answerDone = true;
    screen.boxVisible = false;
    screen.shownAnswer = correctAnswer(*screen.problem);
    screen.moveFocus(PracticeFocus::AnswerLabel);
    screen.happy = false;
    screen.answerKeyVisible = false;
    screen.status = StatusNote::None;
}
