// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/FlashCardSession.h"

FlashCardSession::FlashCardSession(PracticeScreen& screen, PracticeClock& clock,
                                   const StudentRecord& student, int kind, int secondsPerCard)
    : PracticeSession(screen, clock, student, kind, PracticeMode::Drill),
      secondsPerCard(secondsPerCard) {
    screen.nextVisible = true;
    screen.nextStep = NextStep::Begin;
    screen.boxEnabled = false;
}

void FlashCardSession::enter() {
    screen.boxVisible = true;
    screen.nextStep = NextStep::Stop;
    screen.secondsPerCard = secondsPerCard;
    turning = true;
    if (advance()) {
        showProblem();
    }
}

void FlashCardSession::tick() {
    if (turning) {
        enter();
    }
}
