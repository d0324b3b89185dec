// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/PracticeSession.h"

// Flash cards: a drill whose cards turn by themselves every few seconds. Nothing is typed or
// judged; Space shows the answer and Enter stops the cards.
// No card is reported as answered: the answer box is disabled, so a card can never be
// answered, and a card turning says nothing about the child (who may well have said the
// answer aloud). Reporting each turn as "time ran out" would mark every fact the cards
// showed as not yet known.
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
