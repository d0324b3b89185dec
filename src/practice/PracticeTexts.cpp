// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticeTexts.h"

#include "common/NumberText.h"
#include "common/OperationKind.h"

#include <QCoreApplication>

namespace {
std::string translated(const char* text) {
    return QCoreApplication::translate("PracticeText", text).toStdString();
}

QString plain(int number) {
    return QString::fromStdString(numberPlain(number));
}

// A number with its sign place: a space before a number that is not negative.
QString signPlaced(int number) {
    return QString::fromStdString(numberWithSign(number));
}
} // namespace

std::string shownText(const char* text) {
    return translated(text);
}

std::string learnTitle(int learnNumber, int kind) {
    //: %1 is the number with a space before it when not negative, %2 the operation
    return QCoreApplication::translate("PracticeText", "Learning for number%1  (%2)")
        .arg(signPlaced(learnNumber), opText(kind))
        .toStdString();
}

std::string drillTitle(int kind) {
    return QCoreApplication::translate("PracticeText", "Drill Mode - %1")
        .arg(opText(kind))
        .toStdString();
}

std::string countLine(int correctCount, int askedCount) {
    //: %2 has a space before it when not negative
    return QCoreApplication::translate("PracticeText", "  (%1 correct out of%2)")
        .arg(plain(correctCount), signPlaced(askedCount))
        .toStdString();
}

std::string testTitle(int kind, int correctCount, int askedCount) {
    //: %1 the operation; %3 has a space before it when not negative
    return QCoreApplication::translate("PracticeText", "Test Mode - %1  (%2 correct out of%3)")
        .arg(opText(kind), plain(correctCount), signPlaced(askedCount))
        .toStdString();
}

std::string wrongAnswerBody(int answer) {
    //: %1 has a space before it when not negative
    return "\r\n  " + QCoreApplication::translate("PracticeText", "Correct answer is: %1")
                          .arg(signPlaced(answer))
                          .toStdString();
}

WrongAnswer wrongAnswerEntry(const Problem& problem, const std::string& typed) {
    WrongAnswer entry;
    entry.problemText = numberWithSign(problem.first) + " " + operatorText(problem.operation) +
                        numberWithSign(problem.second) + "  =  " + typed;
    entry.correctText = numberWithSign(correctAnswer(problem));
    return entry;
}

std::string spokenProblem(const Problem& problem, const std::string& answerShown) {
    // Each operation's sentence whole, without and with the answer, so a language can put
    // the words where it needs them.
    static const char* const asked[] = {
        QT_TRANSLATE_NOOP("PracticeText", "%1 ? %2 equals"),
        QT_TRANSLATE_NOOP("PracticeText", "%1 plus %2 equals"),
        QT_TRANSLATE_NOOP("PracticeText", "%1 minus %2 equals"),
        QT_TRANSLATE_NOOP("PracticeText", "%1 times %2 equals"),
        QT_TRANSLATE_NOOP("PracticeText", "%1 divided by %2 equals"),
    };
    static const char* const answered[] = {
        QT_TRANSLATE_NOOP("PracticeText", "%1 ? %2 equals %3"),
        QT_TRANSLATE_NOOP("PracticeText", "%1 plus %2 equals %3"),
        QT_TRANSLATE_NOOP("PracticeText", "%1 minus %2 equals %3"),
        QT_TRANSLATE_NOOP("PracticeText", "%1 times %2 equals %3"),
        QT_TRANSLATE_NOOP("PracticeText", "%1 divided by %2 equals %3"),
    };
    const bool known = problem.operation >= 1 && problem.operation <= 4;
    const auto index = static_cast<std::size_t>(known ? problem.operation : 0);
    if (answerShown.empty()) {
        return QCoreApplication::translate("PracticeText", asked[index])
            .arg(plain(problem.first), plain(problem.second))
            .toStdString();
    }
    return QCoreApplication::translate("PracticeText", answered[index])
        .arg(plain(problem.first), plain(problem.second), QString::fromStdString(answerShown))
        .toStdString();
}

std::string testOverText(int correctCount, int problemCount) {
    return QCoreApplication::translate("PracticeText", "Test over: %1 correct out of %2")
        .arg(plain(correctCount), plain(problemCount))
        .toStdString();
}

std::string factsTitle(int operation) {
    return QCoreApplication::translate("PracticeText", "Facts to learn - %1")
        .arg(opText(operation))
        .toStdString();
}

std::string wrongFactText(int answer) {
    return QCoreApplication::translate("PracticeText", "Not quite: the answer is %1")
        .arg(plain(answer))
        .toStdString();
}

std::string factText(const Problem& fact) {
    return numberPlain(fact.first) + operatorText(fact.operation) + numberPlain(fact.second);
}

std::string factPracticeOverText(const std::vector<Problem>& learned, bool nothingAsked) {
    if (learned.empty()) {
        return nothingAsked
                   ? QCoreApplication::translate("PracticeText",
                                                 "You know all these facts - well done!")
                         .toStdString()
                   : QCoreApplication::translate(
                         "PracticeText", "Well done! Keep practising and you will know them all.")
                         .toStdString();
    }
    QString facts = QString::fromStdString(factText(learned.front()));
    for (std::size_t i = 1; i < learned.size(); ++i) {
        const QString fact = QString::fromStdString(factText(learned[i]));
        //: a list of facts goes on: the list so far, then the next fact
        facts = i + 1 == learned.size()
                    ? QCoreApplication::translate("PracticeText", "%1 and %2").arg(facts, fact)
                    : QCoreApplication::translate("PracticeText", "%1, %2").arg(facts, fact);
    }
    //: %1 is the list of facts learned, "7 x 8 and 6 x 7"
    return QCoreApplication::translate("PracticeText", "You learned %1 today!")
        .arg(facts)
        .toStdString();
}

namespace {
std::string nextStepText(NextStep step) {
    switch (step) {
    case NextStep::Begin:
        return translated(PracticeText::begin);
    case NextStep::Next:
        return translated(PracticeText::next);
    case NextStep::Stop:
        return translated(PracticeText::stop);
    default:
        return "";
    }
}

std::string statusText(const PracticeScreen& screen) {
    switch (screen.status) {
    case StatusNote::Correct:
        return translated(PracticeText::correct);
    case StatusNote::Time:
        return translated(PracticeText::time);
    case StatusNote::Slow:
        return translated(PracticeText::slow);
    case StatusNote::Wrong:
        return wrongFactText(screen.shownAnswer.value_or(0));
    case StatusNote::FactsOver:
        return factPracticeOverText(screen.learnedFacts, screen.nothingAsked);
    case StatusNote::TypeTheNumber:
        return translated(PracticeText::typeTheNumber);
    case StatusNote::TypingDone:
        return translated(PracticeText::typingDone);
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
        return translated(PracticeText::typingTitle);
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
    view.nextStep = screen.nextStep;
    view.nextVisible = screen.nextVisible;
    view.showAnswerText = screen.answerKeyOffered ? translated(PracticeText::showAnswer) : "";
    view.showAnswerVisible = screen.answerKeyVisible;
    view.happyVisible = screen.happy;
    view.status = statusText(screen);
    view.statusNote = screen.status;
    view.statusRoom = screen.statusRoom;
    view.title = titleText(screen.title);
    view.titleLine = screen.title;
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

std::string spokenCounts(const TitleLine& title) {
    return QCoreApplication::translate("PracticeText", "%1 correct out of %2")
        .arg(plain(title.correct), plain(title.asked))
        .toStdString();
}

std::string spokenTitle(const TitleLine& title) {
    switch (title.kind) {
    case TitleLine::Kind::Learn:
        return QCoreApplication::translate("PracticeText", "Learning for number %1, %2")
            .arg(plain(title.learnNumber), opText(title.operation))
            .toStdString();
    case TitleLine::Kind::Test:
        return QCoreApplication::translate("PracticeText", "Test Mode - %1, %2 correct out of %3")
            .arg(opText(title.operation), plain(title.correct), plain(title.asked))
            .toStdString();
    case TitleLine::Kind::Count:
        return spokenCounts(title);
    case TitleLine::Kind::None:
        return "";
    default:
        return QString::fromStdString(titleText(title)).trimmed().toStdString();
    }
}
