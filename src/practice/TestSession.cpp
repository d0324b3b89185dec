// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/TestSession.h"

#include "common/NumberText.h"
#include "records/PackDate.h"

#include <algorithm>

namespace {
constexpr int secondsPerMinute = 60;
}

TestSession::TestSession(PracticeScreen& screen, PracticeClock& clock, const StudentRecord& student,
                         int kind, int minutes, int problemCount)
    : PracticeSession(screen, clock, student, kind, PracticeMode::Test), kind(kind),
      minutes(minutes), problemCount(problemCount) {
    screen.nextVisible = true;
    screen.nextStep = NextStep::Begin;
    screen.setDefaultLook(ToolbarButton::Test, false);
    screen.moveFocus(PracticeFocus::AnswerBox);
}

void TestSession::enter() {
    screen.boxVisible = true;
    if (problemsShown == 0) {
        startClock();
    }
    if (screen.problem) {
        scoreAnswer();
    }
    if (problemsShown >= problemCount || timeUp) {
        finish();
        return;
    }
    showNextProblem({TitleLine::Kind::Test, kind, 0, correctCount, askedCount});
    ++problemsShown;
}

void TestSession::startClock() {
    secondsAllowed = secondsPerMinute * minutes;
    screen.nextStep = NextStep::Next;
    screen.status = StatusNote::Time;
    screen.timeBarShown = true;
    screen.testSeconds = secondsAllowed;
    screen.secondsElapsed = 0;
    screen.testTimerRunning = true;
    timing = true;
    startSeconds = clock.monotonicSeconds();
}

// Each answer is reported as the test scores it, timed to its Enter: an empty box is a wrong
// answer. The problem on screen when the time runs out is not reported: the child was cut off
// before the answer was complete, and its time would say nothing.
void TestSession::scoreAnswer() {
    ++askedCount;
    const std::string& typed = screen.typed;
    const bool right = !typed.empty() && textToNumber(typed) == correctAnswer(*screen.problem);
    if (!timeUp) {
        reportAnswer(right);
    }
    if (right) {
        ++correctCount;
    } else {
        missed.push_back({*screen.problem, typed});
    }
}

void TestSession::finish() {
    screen.testTimerRunning = false;
    timing = false; // no tick may score again while the results are open
    const ScoreRecord record{packDate(clock.today()), static_cast<std::uint8_t>(kind),
                             static_cast<std::uint8_t>(minutes),
                             static_cast<std::int16_t>(problemCount),
                             static_cast<std::int16_t>(correctCount)};
    report(SessionEvent::TestFinished{record, missed});
}

void TestSession::tick() {
    if (!timing) {
        return;
    }
    const double elapsed = roundHalfEven(clock.monotonicSeconds() - startSeconds);
    // A late tick shows a full bar.
    screen.secondsElapsed = static_cast<int>(std::clamp(elapsed, 0.0, double(secondsAllowed)));
    if (secondsAllowed <= elapsed) {
        timeUp = true;
        report(SessionEvent::TimeUp{});
        enter(); // judges what is typed and ends the test
    }
}
