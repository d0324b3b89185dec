// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/OperationKind.h"
#include "practice/PracticeClock.h"
#include "practice/PracticeView.h"
#include "practice/ProblemList.h"
#include "records/StudentRecord.h"

#include <optional>
#include <vector>

// Runs Learn, Drill, flash cards and the on-screen test. The main window tells it what the
// child did (keys, typed text, timer ticks, confirmed options) and reads back the view to
// draw and the outcomes to act on. The engine keeps all of its own state; it reads nothing
// from the widgets and calls nothing above it.
class PracticeEngine {
public:
    PracticeEngine(PracticeClock& clock, StudentRecord& student);

    const PracticeView& view() const { return view_; }
    // The outcomes of the calls since the last take, oldest first.
    std::vector<PracticeOutcome> takeOutcomes();
    bool showAllAnswers() const { return showAllAnswers_; }

    // A toolbar command is about to run its own action.
    void beforeToolbarCommand(ToolbarButton button);
    void reportClosed();

    // An option dialog was confirmed: each sets up the run and shows "Enter --> Begin".
    void startLearn(int operation, int number, bool showAllAnswers);
    void startDrill(int kind, int secondsPerCard); // 0 seconds: untimed drill
    void startTest(int kind, int minutes, int problemCount);

    void reset();
    // focusedButton: the toolbar button with the keyboard focus, if one has it.
    void enter(std::optional<ToolbarButton> focusedButton);
    void escape();
    void space();
    void next();
    void showAnswer();
    void answerTyped(const std::string& text);
    void tick();      // the test timer, every second
    void flashTick(); // the flash-card timer
    void wrongAnswerMessageClosed();
    void resultsClosed(); // after the finished test's record was appended

private:
    enum class Judged { Nothing, WrongFull, WrongLength }; // what was typed, if Enter came now

    void begin();
    void beginFlashCards();
    void nextInLearnOrDrill();
    void nextFlashCard();
    void nextInTest();
    void startTestClock();
    void scoreTestAnswer();
    void finishTest();
    void showNextProblem();
    bool advanceInList();
    void showProblem();
    void clearAnswerBox();
    void judgeTypedAnswer();
    void countWrongAnswer();
    void showCountLineInDrill();
    std::string titleLine() const;
    void startRun(int kind, PracticeMode mode);
    void moveFocus(PracticeFocus target);
    void setAnswerLabel(const std::string& text);
    void outcome(PracticeOutcome::Kind kind, std::string text = {});
    bool problemOnScreen() const { return !view_.operatorText.empty(); }

    PracticeClock& clock;
    StudentRecord& student;
    RandomGenerator random;
    PracticeView view_;
    std::vector<PracticeOutcome> outcomes;

    PracticeMode mode_ = PracticeMode::None;
    int chosenKind = 0; // OperationKind 1 to 7 confirmed in the option dialog
    int learnNumber = 0;
    bool showAllAnswers_ = false; // Learn option; Drill consults it as well
    bool startPending = false;    // the next "next" begins the run
    enum class Waiting { No, ForMessage, ForResults };
    Waiting waiting = Waiting::No; // a message or the results are open: the run waits

    std::vector<Problem> problemList;
    int problemIndex = 0; // slot shown now, counted from 1; 0 = none yet in this run
    Problem current;
    std::string typedAnswer;
    int askedCount = 0;
    int correctCount = 0;
    bool counted = false; // the problem on screen was already counted as right
    Judged judged = Judged::Nothing;

    bool flashCards = false;
    int timeSetting = 0;     // seconds per flash card, or minutes of a test
    bool timing = false;     // a flash-card run or a test is timing itself
    double startSeconds = 0; // monotonic start of the card on screen or of the test
    int timeLimit = 0;       // seconds of a test
    bool timeUp = false;
    int testProblemCount = 0;
    int problemsShown = 0;
    std::vector<WrongAnswer> wrongList;
};
