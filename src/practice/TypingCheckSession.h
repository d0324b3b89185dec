// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/PracticeSession.h"

#include <cstdint>
#include <vector>

// The typing check: a few one- or two-digit numbers, shown one at a time, each to be typed
// into the answer box. A number typed right is timed from its showing to its last digit and
// the next one follows at once; a mistyped one is not timed and the next follows too. The
// child's typing allowance is the median of the times; the run reports it as a
// LimitSetting of the measured typing time, dated today (none when nothing was typed right).
// What follows the check is its owner's to show.
class TypingCheckSession : public PracticeSession {
public:
    static constexpr std::size_t numbersTimed = 5; // the check ends with this many times
    static constexpr int maxNumbers = 10;          // or after this many numbers

    TypingCheckSession(PracticeScreen& screen, PracticeClock& clock, std::uint64_t seed);

    void enter() override;
    void space() override {}
    void answerTyped(const std::string& text) override;

private:
    void showNumber();
    void finish();

    RandomGenerator random;
    int shown = 0;
    std::vector<std::uint32_t> times;
};

// The median of the times, the mean of the middle two rounded down for an even count; 0 for
// none.
std::uint32_t medianMs(std::vector<std::uint32_t> times);
