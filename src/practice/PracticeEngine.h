#pragma once

#include "practice/PracticeClock.h"
#include "practice/PracticeScreen.h"
#include "practice/PracticeState.h"
#include "records/StudentRecord.h"

#include <functional>

// Where the main window stood at start-up; the wrong-answer message is placed from it.
struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Runs Learn, Drill, flash cards and the on-screen test in the practice area. The main
// window forwards its practice commands, the answer box's changes and its timer ticks here;
// the engine decides and tells the screen what to show.
class PracticeEngine {
public:
    // sendCommand runs a toolbar command (201 to 207) of the main window; Enter on a
    // focused toolbar button uses it.
    PracticeEngine(PracticeScreen& screen, PracticeClock& clock, StudentRecord& student,
                   ScreenPoint mainPosition, std::function<void(int command)> sendCommand);

    const PracticeState& state() const { return practice; }
    void setMainPosition(ScreenPoint position) { mainPosition = position; }
    void setMode(PracticeMode mode) { practice.mode = mode; }

    // Toolbar commands 201 to 205 call this before their own action.
    void beforeToolbarCommand(int command);

    // Used when an option dialog is confirmed: each sets up the run, builds the list and
    // shows "Enter --> Begin".
    void startLearn(int operation, int number, bool showAllAnswers);
    void startDrill(int kind, int secondsPerCard); // 0 seconds: untimed drill
    void startTest(int kind, int minutes, int problemCount);

    void resetPractice();
    void cmdEnter();
    void cmdEscape();
    void cmdSpace();
    void cmdNext();
    void cmdShowAnswer();
    void answerChanged();
    void timerTick();

private:
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
    void judgeTypedAnswer();
    void countWrongAnswer();
    void showCountLineInDrill();
    void showWrongAnswerMessage();
    std::string titleLine() const;
    void startRun(int kind, PracticeMode mode);

    PracticeScreen& screen;
    PracticeClock& clock;
    StudentRecord& student;
    ScreenPoint mainPosition;
    std::function<void(int)> sendCommand;
    RandomGenerator random;
    PracticeState practice;
};
