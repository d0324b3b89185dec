// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/TypedAnswerSession.h"

// Drill: every problem of the kind over the child's range in a new order each round, with
// the count of right answers in the title line.
class DrillSession : public TypedAnswerSession {
public:
    // showAllAnswers: as chosen for Learn last.
    DrillSession(PracticeScreen& screen, PracticeClock& clock, const StudentRecord& student,
                 int kind, bool showAllAnswers);

private:
    TitleLine runTitle() const override;
    void countsChanged() override;

    int kind;
};
