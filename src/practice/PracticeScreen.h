// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/PracticeView.h"
#include "practice/ProblemList.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The practice area in the program's own terms: the problem, the answers, what each
// control offers. The sessions change it; drawPractice makes the texts from it.
struct PracticeScreen {
    std::optional<Problem> problem;
    std::optional<int> numberToType; // the typing check's number, shown in place of a problem
    std::optional<int> shownAnswer;  // the answer shown in place of the answer box
    std::string typed;               // the answer box's text
    bool boxVisible = false;
    bool boxEnabled = true;
    NextStep nextStep = NextStep::None;
    bool nextVisible = false;
    bool answerKeyOffered = false; // the button reads "Space --> Answer"
    bool answerKeyVisible = false;
    bool happy = false;
    StatusNote status = StatusNote::None;
    std::vector<Problem> learnedFacts; // StatusNote::FactsOver: the facts the run taught
    bool nothingAsked = false;         // StatusNote::FactsOver: the run had no fact to ask
    StatusRoom statusRoom = StatusRoom::AsBuilt;
    TitleLine title;

    bool timeBarShown = false;
    int testSeconds = 0;    // the time bar's end: the test's time limit
    int secondsElapsed = 0; // the time bar's position
    bool testTimerRunning = false;
    int secondsPerCard = 0; // 0: the flash-card timer is stopped

    PracticeFocus focus = PracticeFocus::AnswerLabel;
    int focusMoves = 0; // a change means "move the focus now"
    std::array<bool, toolbarButtonCount> defaultLook{};

    void moveFocus(PracticeFocus target) {
        // Like a widget, the focus never moves to a hidden answer box.
        if (target == PracticeFocus::AnswerBox && !boxVisible) {
            return;
        }
        focus = target;
        ++focusMoves;
    }
    void setDefaultLook(ToolbarButton button, bool on) {
        defaultLook[static_cast<std::size_t>(button)] = on;
    }
    // Empties the practice area. The box's state, the room of the status line, the time
    // bar's range and position, the focus and the buttons' looks stay as they are.
    void clear() {
        PracticeScreen empty;
        empty.boxEnabled = boxEnabled;
        empty.statusRoom = statusRoom;
        empty.testSeconds = testSeconds;
        empty.secondsElapsed = secondsElapsed;
        empty.focus = focus;
        empty.focusMoves = focusMoves;
        empty.defaultLook = defaultLook;
        *this = std::move(empty);
    }
};

// The texts and controls of the practice area as the main window draws them.
PracticeView drawPractice(const PracticeScreen& screen);
