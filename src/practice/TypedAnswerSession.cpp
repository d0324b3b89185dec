// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/TypedAnswerSession.h"

#include "common/NumberText.h"

TypedAnswerSession::TypedAnswerSession(PracticeScreen& screen, PracticeClock& clock,
                                       const StudentRecord& student, int kind, PracticeMode mode,
                                       int learnNumber, bool showAllAnswers,
                                       ToolbarButton modeButton)
    : PracticeSession(screen, clock, student, kind, mode, learnNumber),
      showAllAnswers(showAllAnswers) {
    screen.nextVisible = true;
    screen.nextStep = NextStep::Begin;
    screen.setDefaultLook(modeButton, false);
    screen.moveFocus(PracticeFocus::AnswerBox);
}

void TypedAnswerSession::enter() {
    screen.boxVisible = true;
    if (wrongTyped) {
        countWrongAnswer(); // the next problem follows when the message is closed
        return;
    }
    nextProblem();
}

void TypedAnswerSession::resume() {
    screen.nextVisible = true;
    screen.boxVisible = true;
    nextProblem();
}

void TypedAnswerSession::nextProblem() {
    if (!showNextProblem(runTitle())) {
        return;
    }
    counted = false;
    wrongTyped = false;
    screen.happy = false;
    screen.status = StatusNote::None;
    if (showAllAnswers) {
        showAnswer();
    } else {
        screen.answerKeyVisible = true;
        screen.answerKeyOffered = true;
    }
}

void TypedAnswerSession::space() {
    if (screen.typed.empty()) {
        reportAnswer(false); // nothing when no problem is shown or its answer already is
    }
    PracticeSession::space();
}

// The run waits for the message; the next problem clears the judgement.
void TypedAnswerSession::countWrongAnswer() {
    ++askedCount;
    countsChanged();
    reportAnswer(false);
    report(SessionEvent::AnswerWrong{correctAnswer(current())});
}

// An emptied answer box leaves nothing to judge, so a later Enter just moves on.
void TypedAnswerSession::answerTyped(const std::string& text) {
    screen.typed = text;
    if (text.empty()) {
        wrongTyped = false;
        screen.happy = false;
        screen.status = StatusNote::None;
        return;
    }
    if (!screen.problem) {
        return;
    }
    judge();
}

void TypedAnswerSession::judge() {
    const int answer = correctAnswer(*screen.problem);
    const bool sameLength = screen.typed.size() == numberPlain(answer).size();
    const bool sameValue = textToNumber(screen.typed) == answer;
    screen.answerKeyVisible = false;
    if (sameLength && sameValue) {
        wrongTyped = false;
        reportAnswer(true); // a right answer after a wrong one stays wrong
        if (!counted) {
            ++correctCount;
            ++askedCount;
            counted = true;
        }
        screen.happy = true;
        screen.status = StatusNote::Correct;
        countsChanged();
    } else if (sameLength) {
        screen.happy = false;
        screen.status = StatusNote::None;
        screen.nextVisible = false;
        countWrongAnswer();
    } else if (!sameValue) {
        wrongTyped = true; // too short or too long: judged on Enter
    }
    // The right value at another length ("014" for 14) keeps the judgement made before.
}
