// The timed parts of the practice engine: flash cards and the on-screen test.
#include "practice/PracticeEngine.h"

#include "common/NumberText.h"
#include "practice/PracticeTexts.h"
#include "records/PackDate.h"

#include <cmath>

namespace {
constexpr int millisecondsPerSecond = 1000;
constexpr int secondsPerMinute = 60;
} // namespace

void PracticeEngine::beginFlashCards() {
    practice.startPending = false;
    screen.setVisible(ControlId::NextButton, true);
    screen.setText(ControlId::NextButton, PracticeText::begin);
    screen.setEnabled(ControlId::AnswerBox, false);
    practice.problemIndex = 0; // the cards start from the first slot
}

void PracticeEngine::nextFlashCard() {
    screen.setVisible(ControlId::AnswerBox, true);
    screen.setText(ControlId::NextButton, PracticeText::stop);
    screen.stopFlashTimer();
    screen.startFlashTimer(practice.timeSetting * millisecondsPerSecond);
    practice.timing = true;
    practice.startSeconds = clock.monotonicSeconds();
    if (advanceInList()) {
        showProblem();
    }
}

void PracticeEngine::nextInTest() {
    screen.setVisible(ControlId::AnswerBox, true);
    if (practice.problemsShown == 0) {
        startTestClock();
    }
    practice.typedAnswer = screen.text(ControlId::AnswerBox);
    if (practice.problemOnScreen()) {
        scoreTestAnswer();
    }
    if (practice.problemsShown >= practice.testProblemCount || practice.timeUp) {
        finishTest();
        return;
    }
    showNextProblem();
    ++practice.problemsShown;
}

void PracticeEngine::startTestClock() {
    practice.timeLimit = secondsPerMinute * practice.timeSetting;
    practice.timeUp = false;
    screen.setText(ControlId::NextButton, PracticeText::next);
    screen.setText(ControlId::StatusLabel, PracticeText::time);
    if (practice.timeBarExists) {
        screen.destroyTimeBar();
    }
    screen.createTimeBar(practice.timeLimit);
    practice.timeBarExists = true;
    screen.startTestTimer();
    practice.timing = true;
    practice.startSeconds = clock.monotonicSeconds();
    practice.wrongList.clear();
}

void PracticeEngine::scoreTestAnswer() {
    ++practice.askedCount;
    const bool right = !practice.typedAnswer.empty() &&
                       textToNumber(practice.typedAnswer) == correctAnswer(practice.current);
    if (right) {
        ++practice.correctCount;
    } else {
        practice.wrongList.push_back(wrongAnswerEntry(practice.current, practice.typedAnswer));
    }
}

void PracticeEngine::finishTest() {
    screen.beep();
    screen.stopTestTimer();
    practice.timing = false; // no tick may score again while the results are open
    ResultsSummary summary;
    summary.testProblemCount = practice.testProblemCount;
    summary.correctCount = practice.correctCount;
    summary.recordCount = static_cast<int>(student.history.size());
    summary.wrongList = practice.wrongList;
    screen.showResults(summary);
    const CalendarDate today = clock.today();
    appendScore(student, packDate(dateText(today.year, today.month, today.day)),
                practice.chosenKind, practice.timeSetting, practice.testProblemCount,
                practice.correctCount);
    resetPractice();
    screen.setDefaultLook(ControlId::ReportButton, true);
    screen.setFocus(ControlId::ReportButton);
}

void PracticeEngine::timerTick() {
    if (!practice.timing) {
        return;
    }
    if (practice.flashCards && practice.mode == PracticeMode::Drill) {
        cmdNext();
        return;
    }
    if (practice.mode != PracticeMode::Test) {
        return;
    }
    const double elapsed = roundHalfEven(clock.monotonicSeconds() - practice.startSeconds);
    screen.setTimeBarPosition(static_cast<int>(elapsed));
    if (practice.timeLimit <= elapsed) {
        practice.timeUp = true;
        cmdNext();
        screen.stopTestTimer();
    }
}
