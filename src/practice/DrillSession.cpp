// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/DrillSession.h"

DrillSession::DrillSession(PracticeScreen& screen, PracticeClock& clock,
                           const StudentRecord& student, int kind, bool showAllAnswers)
    : TypedAnswerSession(screen, clock, student, kind, PracticeMode::Drill, 0, showAllAnswers,
                         ToolbarButton::Drill),
      kind(kind) {}

TitleLine DrillSession::runTitle() const {
    return {TitleLine::Kind::Drill, kind};
}

void DrillSession::countsChanged() {
    screen.title = {TitleLine::Kind::Count, kind, 0, correctCount, askedCount};
}
