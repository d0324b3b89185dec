// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/TypingCheckSession.h"

#include "common/NumberText.h"
#include "records/PackDate.h"

#include <algorithm>

TypingCheckSession::TypingCheckSession(PracticeScreen& screen, PracticeClock& clock,
                                       std::uint64_t seed)
    : PracticeSession(screen, clock) {
    random.seed(seed);
    screen.title = {TitleLine::Kind::TypingCheck};
    screen.status = StatusNote::TypeTheNumber;
    screen.nextVisible = true;
    screen.nextStep = NextStep::Begin;
    screen.setDefaultLook(ToolbarButton::Drill, false);
    screen.moveFocus(PracticeFocus::AnswerBox);
}

void TypingCheckSession::enter() {
    if (shown == 0) {
        markBegun();
        showNumber();
    }
}

void TypingCheckSession::answerTyped(const std::string& text) {
    if (!screen.numberToType) {
        return;
    }
    screen.typed = text;
    const std::string wanted = numberPlain(*screen.numberToType);
    if (text.size() < wanted.size()) {
        return;
    }
    if (text == wanted) {
        times.push_back(elapsedMs());
    }
    if (times.size() >= numbersTimed || shown >= maxNumbers) {
        finish();
    } else {
        showNumber();
    }
}

// A number from 1 to 99, never the one before it.
void TypingCheckSession::showNumber() {
    int number = random.randomInt(1, 99);
    while (screen.numberToType == number) {
        number = random.randomInt(1, 99);
    }
    ++shown;
    screen.numberToType = number;
    startTiming();
    screen.typed.clear();
    screen.boxVisible = true;
    screen.nextVisible = false;
    screen.nextStep = NextStep::None;
    screen.moveFocus(PracticeFocus::AnswerBox);
}

void TypingCheckSession::finish() {
    screen.numberToType.reset();
    screen.typed.clear();
    screen.boxVisible = false;
    screen.status = StatusNote::TypingDone;
    SessionEvent::TypingChecked checked;
    if (!times.empty()) {
        checked.limit =
            LimitSetting{LimitSource::TypingTime, medianMs(times), packDate(clock.today())};
    }
    report(checked);
}

std::uint32_t medianMs(std::vector<std::uint32_t> times) {
    if (times.empty()) {
        return 0;
    }
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    if (times.size() % 2 == 1) {
        return times[middle];
    }
    return static_cast<std::uint32_t>((std::uint64_t{times[middle - 1]} + times[middle]) / 2);
}
