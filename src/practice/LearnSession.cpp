// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/LearnSession.h"

LearnSession::LearnSession(PracticeScreen& screen, PracticeClock& clock,
                           const StudentRecord& student, int operation, int number,
                           bool showAllAnswers)
    : TypedAnswerSession(screen, clock, student, operation, PracticeMode::Learn, number,
                         showAllAnswers, ToolbarButton::Learn),
      operation(operation), number(number) {
    report(SessionEvent::LearnChosen{operation, number});
}

TitleLine LearnSession::runTitle() const {
    return {TitleLine::Kind::Learn, operation, number};
}
