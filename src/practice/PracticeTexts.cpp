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

std::string factsTitle(int operation) {
    return "Facts to learn - " + opName(operation);
}

std::string wrongFactText(int answer) {
    return "Not quite: the answer is " + numberPlain(answer);
}

std::string factText(const Problem& fact) {
    return numberPlain(fact.first) + operatorText(fact.operation) + numberPlain(fact.second);
}

std::string factPracticeOverText(const std::vector<Problem>& learned, bool nothingAsked) {
    if (learned.empty()) {
        return nothingAsked ? "You know all these facts - well done!"
                            : "Well done! Keep practising and you will know them all.";
    }
    std::string facts;
    for (std::size_t i = 0; i < learned.size(); ++i) {
        facts += (i == 0 ? "" : i + 1 == learned.size() ? " and " : ", ") + factText(learned[i]);
    }
    return "You learned " + facts + " today!";
}

namespace {
std::string nextStepText(NextStep step) {
    switch (step) {
    case NextStep::Begin:
        return PracticeText::begin;
    case NextStep::Next:
        return PracticeText::next;
    case NextStep::Stop:
        return PracticeText::stop;
    default:
        return "";
    }
}

std::string statusText(const PracticeScreen& screen) {
    switch (screen.status) {
    case StatusNote::Correct:
        return PracticeText::correct;
    case StatusNote::Time:
        return PracticeText::time;
    case StatusNote::Slow:
        return PracticeText::slow;
    case StatusNote::Wrong:
        return wrongFactText(screen.shownAnswer.value_or(0));
    case StatusNote::FactsOver:
        return factPracticeOverText(screen.learnedFacts, screen.nothingAsked);
    case StatusNote::TypeTheNumber:
        return PracticeText::typeTheNumber;
    case StatusNote::TypingDone:
        return PracticeText::typingDone;
    default:
        return "";
    }
}

std::string titleText(const TitleLine& title) {
    switch (title.kind) {
    case TitleLine::Kind::Learn:
        return learnTitle(title.learnNumber, title.operation);
    case TitleLine::Kind::Drill:
        return drillTitle(title.operation);
    case TitleLine::Kind::Count:
        return countLine(title.correct, title.asked);
    case TitleLine::Kind::Test:
        return testTitle(title.operation, title.correct, title.asked);
    case TitleLine::Kind::Facts:
        return factsTitle(title.operation);
    case TitleLine::Kind::TypingCheck:
        return PracticeText::typingTitle;
    default:
        return "";
    }
}
} // namespace

PracticeView drawPractice(const PracticeScreen& screen) {
    constexpr int millisecondsPerSecond = 1000;
    PracticeView view;
    if (screen.problem) {
        const Problem& problem = *screen.problem;
        view.firstOperand = numberPlain(problem.first);
        view.operatorText = operatorText(problem.operation);
        view.secondOperand = numberPlain(problem.second);
        view.equals = PracticeText::equals;
        view.answerLabel = screen.shownAnswer ? numberPlain(*screen.shownAnswer) : "";
        view.spokenProblem = spokenProblem(problem, view.answerLabel);
    } else if (screen.numberToType) {
        view.firstOperand = view.spokenProblem = numberPlain(*screen.numberToType);
    }
    view.answerText = screen.typed;
    view.answerBoxVisible = screen.boxVisible;
    view.answerBoxEnabled = screen.boxEnabled;
    view.nextText = nextStepText(screen.nextStep);
    view.nextVisible = screen.nextVisible;
    view.showAnswerText = screen.answerKeyOffered ? PracticeText::showAnswer : "";
    view.showAnswerVisible = screen.answerKeyVisible;
    view.happyVisible = screen.happy;
    view.status = statusText(screen);
    view.statusRoom = screen.statusRoom;
    view.title = titleText(screen.title);
    view.timeBarShown = screen.timeBarShown;
    view.timeBarMaximum = screen.testSeconds;
    view.timeBarPosition = screen.secondsElapsed;
    view.testTimerRunning = screen.testTimerRunning;
    view.flashPeriodMs = screen.secondsPerCard * millisecondsPerSecond;
    view.focus = screen.focus;
    view.focusMoves = screen.focusMoves;
    view.defaultLook = screen.defaultLook;
    return view;
}
