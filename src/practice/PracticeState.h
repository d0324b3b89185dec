#pragma once

#include "common/OperationKind.h"
#include "practice/ProblemList.h"
#include "practice/WrongAnswer.h"

#include <string>
#include <vector>

// Judging of what has been typed for the problem on screen.
enum class AnswerState : int {
    Nothing = 0,      // nothing pending
    WrongFull = 1,    // a wrong answer as long as the correct one
    WrongLength = -1, // a different length and not the answer: wrong if Enter comes now
};

// The record of the current practice run. One instance lives for the whole program run.
struct PracticeState {
    PracticeMode mode = PracticeMode::None;
    int chosenKind = 0; // OperationKind 1 to 7 confirmed in the option dialog
    int learnNumber = 0;
    bool showAllAnswers = false; // Learn option; Drill consults it as well
    bool startPending = false;   // the next cmdNext begins the run

    std::vector<Problem> problemList;
    int problemIndex = 0; // slot shown now, counted from 1; 0 = none yet in this run
    Problem current;
    std::string operatorText; // empty when no problem is on screen
    std::string typedAnswer;
    int askedCount = 0;
    int correctCount = 0;
    bool counted = false; // the problem on screen was already counted as right
    AnswerState answerState = AnswerState::Nothing;

    bool flashCards = false;
    int timeSetting = 0;     // seconds per flash card, or minutes of a test
    bool timing = false;     // a flash-card run or a test is timing itself
    double startSeconds = 0; // monotonic start of the card on screen or of the test
    int timeLimit = 0;       // seconds of a test
    bool timeUp = false;
    int testProblemCount = 0;
    int problemsShown = 0;
    std::vector<WrongAnswer> wrongList;
    bool timeBarExists = false;

    bool problemOnScreen() const { return !operatorText.empty(); }
};
