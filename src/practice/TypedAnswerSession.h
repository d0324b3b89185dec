// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/PracticeSession.h"

// What Learn and Drill share: each answer is judged as it is typed, a right one at once,
// a wrong one once it is as long as the right answer or on Enter, and Space shows it.
// Each judged problem is reported as answered, timed to the digit that made the answer
// right or wrong (or to the Enter that judged a short one). Space on an empty box is
// reported as a wrong answer: the child asked for the answer, so the fact was not recalled,
// and that is worth knowing. With "show all answers" the problem comes with its answer and
// is not reported at all: the child was never asked, so there is nothing to learn either way.
// An empty box on Enter moves on unjudged, as the mode counts it, and is not reported.
class TypedAnswerSession : public PracticeSession {
public:
    void enter() override;
    void space() override;
    void answerTyped(const std::string& text) override;
    void resume() override;

protected:
    // modeButton: the toolbar button of the mode, whose default look the run takes away.
    TypedAnswerSession(PracticeScreen& screen, PracticeClock& clock, const StudentRecord& student,
                       int kind, PracticeMode mode, int learnNumber, bool showAllAnswers,
                       ToolbarButton modeButton);

    virtual TitleLine runTitle() const = 0;
    // The counts changed: a mode may show them.
    virtual void countsChanged() {}

    int correctCount = 0;
    int askedCount = 0;

private:
    void nextProblem();
    void countWrongAnswer();
    void judge();

    bool showAllAnswers;
    bool counted = false;    // the problem on screen was already counted as right
    bool wrongTyped = false; // what is typed is wrong: Enter counts it so
};
