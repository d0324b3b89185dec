// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/PracticeSession.h"

// The on-screen test: a set number of problems against the clock. Each answer is judged on
// Enter, without a word; the end of the time judges what is typed and ends the test.
class TestSession : public PracticeSession {
public:
    // minutes: 0 to 255, as a score record holds them; problemCount: 0 to 32767.
    TestSession(PracticeScreen& screen, PracticeClock& clock, const StudentRecord& student,
                int kind, int minutes, int problemCount);

    void enter() override;
    void space() override {} // a test shows no answers
    void tick() override;    // every second

private:
    void startClock();
    void scoreAnswer();
    void finish();

    int kind;
    int minutes;
    int problemCount;
    int secondsAllowed = 0;
    int problemsShown = 0;
    int correctCount = 0;
    int askedCount = 0;
    bool timing = false;
    bool timeUp = false;
    double startSeconds = 0; // monotonic start of the test
    std::vector<SessionEvent::Missed> missed;
};
