// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SpokenPractice.h"

#include "practice/PracticeTexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {
constexpr int secondsPerMinute = 60;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string said(const char* text) {
    return QCoreApplication::translate("SpokenPractice", text).toStdString();
}

// A new title is said whole; where only the counts of the same run change, the counts alone.
// Drill shows its counts in place of its title after a right answer; the title coming back is
// not news.
std::string titleChange(const TitleLine& before, const TitleLine& after) {
    using Kind = TitleLine::Kind;
    const bool sameRun = before.kind == after.kind && before.operation == after.operation &&
                         before.learnNumber == after.learnNumber;
    if (sameRun && (after.kind == Kind::Count || after.kind == Kind::Test)) {
        return spokenCounts(after);
    }
    if (before.kind == Kind::Count && after.kind == Kind::Drill) {
        return "";
    }
    return spokenTitle(after);
}

std::string instruction(const PracticeView& view) {
    if (!view.nextVisible) {
        return "";
    }
    switch (view.nextStep) {
    case NextStep::Begin:
        return said(QT_TRANSLATE_NOOP("SpokenPractice", "Press Enter to begin"));
    case NextStep::Stop:
        return said(QT_TRANSLATE_NOOP("SpokenPractice", "Press Enter to stop"));
    default:
        return "";
    }
}

std::string seconds(int count) {
    return (count == 1 ? QCoreApplication::translate("SpokenPractice", "1 second")
                       : QCoreApplication::translate("SpokenPractice", "%1 seconds").arg(count))
        .toStdString();
}
} // namespace

std::vector<std::string> spokenChanges(const PracticeView& before, const PracticeView& after,
                                       bool focusReadsProblem) {
    std::vector<std::string> said;
    auto say = [&said](std::string text) {
        if (!text.empty()) {
            said.push_back(std::move(text));
        }
    };
    // "Time:" only labels the time bar; the bar is said by its own notices.
    if (after.status != before.status && after.statusNote != StatusNote::Time) {
        say(trimmed(after.status));
    }
    if (after.title != before.title && !after.title.empty()) {
        say(titleChange(before.titleLine, after.titleLine));
    }
    const std::string wasInstruction = instruction(before);
    if (instruction(after) != wasInstruction) {
        say(instruction(after));
    }
    // The problem is new, or a flash card has turned; an answer shown by Space is read with
    // the answer label, which takes the focus.
    const bool newProblem = after.spokenProblem != before.spokenProblem &&
                            (after.answerLabel.empty() || after.answerBoxVisible);
    if (newProblem && !focusReadsProblem) {
        say(after.spokenProblem);
    }
    return said;
}

std::string answerLabelName(const PracticeView& view) {
    if (!view.answerLabel.empty()) {
        return view.spokenProblem;
    }
    const std::string key = instruction(view);
    return key.empty() ? said(QT_TRANSLATE_NOOP("SpokenPractice", "Answer"))
                       : QCoreApplication::translate("SpokenPractice", "Answer: %1")
                             .arg(QString::fromStdString(key))
                             .toStdString();
}

std::string timeBarName(int usedSeconds, int limitSeconds) {
    return QCoreApplication::translate("SpokenPractice", "Time used: %1 of %2")
        .arg(QString::fromStdString(seconds(std::max(usedSeconds, 0))))
        .arg(std::max(limitSeconds, 0))
        .toStdString();
}

std::string timeLeftNotice(int limitSeconds, int beforeSeconds, int afterSeconds) {
    // The latest mark passed in this step is said; marks are counted in seconds left.
    static constexpr std::array<int, 2> lastMarks = {30, 10};
    const int leftBefore = limitSeconds - beforeSeconds;
    const int leftAfter = limitSeconds - afterSeconds;
    if (leftAfter <= 0 || leftAfter >= leftBefore) {
        return "";
    }
    for (auto mark = lastMarks.rbegin(); mark != lastMarks.rend(); ++mark) {
        if (leftAfter <= *mark && *mark < leftBefore) {
            return QCoreApplication::translate("SpokenPractice", "%1 left")
                .arg(QString::fromStdString(seconds(*mark)))
                .toStdString();
        }
    }
    const int minutesLeft = (leftAfter + secondsPerMinute - 1) / secondsPerMinute;
    const int mark = minutesLeft * secondsPerMinute;
    if (mark < limitSeconds && leftAfter <= mark && mark < leftBefore) {
        return (minutesLeft == 1 ? QCoreApplication::translate("SpokenPractice", "1 minute left")
                                 : QCoreApplication::translate("SpokenPractice", "%1 minutes left")
                                       .arg(minutesLeft))
            .toStdString();
    }
    return "";
}
