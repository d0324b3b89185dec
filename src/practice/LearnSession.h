// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/TypedAnswerSession.h"

// Learn: one number's problems of one operation in their natural order, round after round.
class LearnSession : public TypedAnswerSession {
public:
    LearnSession(PracticeScreen& screen, PracticeClock& clock, const StudentRecord& student,
                 int operation, int number, bool showAllAnswers);

private:
    TitleLine runTitle() const override;

    int operation;
    int number;
};
