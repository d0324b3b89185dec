// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/ResultsSummary.h"
#include "records/AnswerLog.h"
#include "records/StudentRecord.h"

#include <array>
#include <string>

// The main window's toolbar buttons, left to right.
enum class ToolbarButton : int { Learn, Drill, Test, Report, Config, Quit, Help };
constexpr int toolbarButtonCount = 7;

// The practice controls that can be given the keyboard focus.
enum class PracticeFocus : int { AnswerBox, AnswerLabel, Learn, Report };

// How much room the status line takes: as built, wide for the texts of Learn and Drill,
// narrow beside the time bar of a test, or long for the fact practice's verdicts and its end
// ("You learned 12 x 12, 11 x 12, 12 x 11 and 10 x 12 today!"): up to the instruction buttons.
enum class StatusRoom : int { AsBuilt, Wide, Narrow, Long };

// What the instruction button offers.
enum class NextStep : int { None, Begin, Next, Stop };

// What the status line tells. The fact practice's notes: Slow and Wrong with the answer
// shown, FactsOver with the facts learned; the typing check's: TypeTheNumber, TypingDone.
enum class StatusNote : int {
    None,
    Correct,
    Time,
    Slow,
    Wrong,
    FactsOver,
    TypeTheNumber,
    TypingDone
};

// The title line: the run's own title, or the counts of a drill.
struct TitleLine {
    enum class Kind : int { None, Learn, Drill, Count, Test, Facts, TypingCheck };
    Kind kind = Kind::None;
    int operation = 0; // the OperationKind of the run
    int learnNumber = 0;
    int correct = 0;
    int asked = 0;
};

// Everything the practice area shows, as texts and states of its controls. The main window draws
// it as it stands after each call into the engine.
struct PracticeView {
    std::string firstOperand;
    std::string operatorText;
    std::string secondOperand;
    std::string equals;
    std::string answerLabel;   // the answer shown in place of the answer box
    std::string spokenProblem; // "7 times 2 equals", with the answer once it is shown
    std::string answerText;    // the answer box's text
    bool answerBoxVisible = false;
    bool answerBoxEnabled = true;
    std::string nextText;
    NextStep nextStep = NextStep::None; // what nextText offers
    bool nextVisible = false;
    std::string showAnswerText;
    bool showAnswerVisible = false;
    bool happyVisible = false;
    std::string status;
    StatusNote statusNote = StatusNote::None; // what status tells
    StatusRoom statusRoom = StatusRoom::AsBuilt;
    std::string title;
    TitleLine titleLine; // what title shows

    bool timeBarShown = false;
    int timeBarMaximum = 0;
    int timeBarPosition = 0;
    bool testTimerRunning = false; // ticks every second
    int flashPeriodMs = 0;         // 0: the flash-card timer is stopped

    PracticeFocus focus = PracticeFocus::AnswerLabel;
    int focusMoves = 0; // counts the engine's moves of the focus: a change means "move it now"
    std::array<bool, toolbarButtonCount> defaultLook{};
};

// What the application must do after a call into the engine, in order.
struct PracticeOutcome {
    enum class Kind {
        Beep,
        WrongAnswerMessage, // text + caption; then call wrongAnswerMessageClosed()
        TestFinished,       // summary + record to append; then call resultsClosed()
        LearnChosen,        // operation + number for the child's record to note
        Announce,           // text for assistive technology only; the end of a fact
                            // practice too (its text also stands on the status line)
        Answered,           // answer: one answered problem to append to the child's answer log
        LimitMeasured,      // limit: the measured typing time to append to the answer log
    };
    Kind kind = Kind::Beep;
    std::string text;
    std::string caption;
    ResultsSummary summary;
    ScoreRecord record;
    int operation = 0;
    int number = 0;
    LoggedAnswer answer;
    LimitSetting limit;
};
