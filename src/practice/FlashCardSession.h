// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/PracticeSession.h"

// Flash cards: a drill whose cards turn by themselves every few seconds. Nothing is typed or
// judged; Space shows the answer and Enter stops the cards.
class FlashCardSession : public PracticeSession {
public:
    FlashCardSession(PracticeScreen& screen, PracticeClock& clock, const StudentRecord& student,
                     int kind, int secondsPerCard);

    void enter() override;
    void tick() override;
    bool enterStops() const override { return turning; }

private:
    int secondsPerCard;
    bool turning = false; // the cards have started
};
