// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticeTexts.h"

#include "common/NumberText.h"
#include "common/OperationKind.h"

std::string learnTitle(int learnNumber, int kind) {
    return "Learning for number" + numberWithSign(learnNumber) + "  (" + opName(kind) + ")";
}

std::string drillTitle(int kind) {
    return "Drill Mode - " + opName(kind);
}

std::string countLine(int correctCount, int askedCount) {
    return "  (" + numberPlain(correctCount) + " correct out of" + numberWithSign(askedCount) + ")";
}

std::string testTitle(int kind, int correctCount, int askedCount) {
    return "Test Mode - " + opName(kind) + countLine(correctCount, askedCount);
}

std::string wrongAnswerBody(int answer) {
    return "\r\n  Correct answer is: " + numberWithSign(answer);
}

WrongAnswer wrongAnswerEntry(const Problem& problem, const std::string& typed) {
    WrongAnswer entry;
    entry.problemText = numberWithSign(problem.first) + " " + operatorText(problem.operation) +
                        numberWithSign(problem.second) + "  =  " + typed;
    entry.correctText = numberWithSign(correctAnswer(problem));
    return entry;
}

std::string spokenProblem(const Problem& problem, const std::string& answerShown) {
    static const char* const words[] = {"plus", "minus", "times", "divided by"};
    const bool known = problem.operation >= 1 && problem.operation <= 4;
    std::string spoken = numberPlain(problem.first) + " " +
                         (known ? words[problem.operation - 1] : "?") + " " +
                         numberPlain(problem.second) + " equals";
    return answerShown.empty() ? spoken : spoken + " " + answerShown;
}

std::string testOverText(int correctCount, int problemCount) {
    return "Test over: " + numberPlain(correctCount) + " correct out of " +
           numberPlain(problemCount);
}
