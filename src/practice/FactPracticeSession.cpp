// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/FactPracticeSession.h"

#include "common/NumberText.h"

FactPracticeSession::FactPracticeSession(PracticeScreen& screen, PracticeClock& clock,
                                         const FluencyGrid& grid, std::uint32_t limitMs,
                                         std::uint64_t seed)
    : PracticeSession(screen, clock), plan(grid, seed), operation(grid.operation),
      limitMs(limitMs) {
    screen.title = {TitleLine::Kind::Facts, operation};
    screen.statusRoom = StatusRoom::Long;
    screen.nextVisible = true;
    screen.nextStep = NextStep::Begin;
    screen.setDefaultLook(ToolbarButton::Drill, false);
    screen.moveFocus(PracticeFocus::AnswerBox);
}

// Enter begins, judges a short answer, and goes on after a verdict. On an empty box it does
// nothing: a second Enter pressed in haste must not count the next fact as missed.
void FactPracticeSession::enter() {
    switch (step) {
    case Step::Ready:
        startSeconds = clock.monotonicSeconds();
        ask();
        break;
    case Step::Asking:
        if (!screen.typed.empty()) {
            judge();
        }
        break;
    case Step::Judged:
        ask();
        break;
    case Step::Over:
        break;
    }
}

// Asking for the answer is not knowing it: it counts as wrong.
void FactPracticeSession::space() {
    if (step == Step::Asking && screen.typed.empty()) {
        reportAnswer(false);
        verdict(AnswerOutcome::Wrong);
    }
}

// Judged once as long as the answer; after a verdict the box keeps what was judged.
void FactPracticeSession::answerTyped(const std::string& text) {
    if (step != Step::Asking) {
        return;
    }
    screen.typed = text;
    if (text.size() >= numberPlain(correctAnswer(*screen.problem)).size()) {
        judge();
    }
}

void FactPracticeSession::ask() {
    const std::optional<Problem> next = plan.next();
    if (!next || clock.monotonicSeconds() - startSeconds >= maxSeconds) {
        finish();
        return;
    }
    present(*next);
    step = Step::Asking;
    screen.typed.clear();
    screen.boxVisible = true;
    screen.nextVisible = false; // an empty box waits for an answer
    screen.nextStep = NextStep::Next;
    screen.happy = false;
    screen.status = StatusNote::None;
    screen.answerKeyOffered = true;
    screen.answerKeyVisible = true;
    screen.moveFocus(PracticeFocus::AnswerBox);
}

void FactPracticeSession::judge() {
    const bool right = textToNumber(screen.typed) == correctAnswer(*screen.problem);
    const std::uint32_t ms = reportAnswer(right);
    verdict(!right         ? AnswerOutcome::Wrong
            : ms > limitMs ? AnswerOutcome::Slow
                           : AnswerOutcome::Right);
}

// The verdict on the status line; a slow or wrong answer shows the right one in place of the
// box, where the focus reads it with the problem.
void FactPracticeSession::verdict(AnswerOutcome outcome) {
    plan.answer(outcome);
    step = Step::Judged;
    if (outcome == AnswerOutcome::Right) {
        screen.answerKeyVisible = false;
        screen.happy = true;
        screen.status = StatusNote::Correct;
    } else {
        showAnswer();
        screen.status = outcome == AnswerOutcome::Slow ? StatusNote::Slow : StatusNote::Wrong;
    }
    screen.nextVisible = true;
}

void FactPracticeSession::finish() {
    step = Step::Over;
    screen.problem.reset();
    screen.shownAnswer.reset();
    screen.typed.clear();
    screen.boxVisible = false;
    screen.nextVisible = false;
    screen.nextStep = NextStep::None;
    screen.happy = false;
    screen.answerKeyVisible = false;
    screen.status = StatusNote::FactsOver;
    screen.learnedFacts = plan.learned();
    screen.nothingAsked = plan.asked() == 0;
    screen.setDefaultLook(ToolbarButton::Learn, true);
    screen.moveFocus(PracticeFocus::Learn);
    report(SessionEvent::FactPracticeOver{plan.learned(), plan.asked()});
}
