// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SpokenPractice.h"

#include "practice/PracticeTexts.h"

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

// "Test Mode - Add  (3 correct out of 4)": the part before the count, and the count.
std::pair<std::string, std::string> splitTitle(const std::string& title) {
    const auto open = title.find('(');
    const auto close = title.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) {
        return {trimmed(title), ""};
    }
    return {trimmed(title.substr(0, open)), title.substr(open + 1, close - open - 1)};
}

// A new title is said whole; where only the count changes, the count alone. Drill shows its
// count in place of its title after a right answer; the title coming back is not news.
std::string spokenTitle(const std::string& before, const std::string& after) {
    const auto [head, count] = splitTitle(after);
    const auto [headBefore, countBefore] = splitTitle(before);
    if (head == headBefore && !count.empty()) {
        return count;
    }
    if (headBefore.empty() && !countBefore.empty() && count.empty()) {
        return "";
    }
    return head.empty() ? count : count.empty() ? head : head + ", " + count;
}

std::string instruction(const PracticeView& view) {
    if (!view.nextVisible) {
        return "";
    }
    if (view.nextText == PracticeText::begin) {
        return "Press Enter to begin";
    }
    if (view.nextText == PracticeText::stop) {
        return "Press Enter to stop";
    }
    return "";
}

std::string seconds(int count) {
    return std::to_string(count) + (count == 1 ? " second" : " seconds");
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
    if (after.status != before.status && after.status != PracticeText::time) {
        say(trimmed(after.status));
    }
    if (after.title != before.title && !after.title.empty()) {
        say(spokenTitle(before.title, after.title));
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
    return key.empty() ? "Answer" : "Answer: " + key;
}

std::string timeBarName(int usedSeconds, int limitSeconds) {
    return "Time used: " + seconds(std::max(usedSeconds, 0)) + " of " +
           std::to_string(std::max(limitSeconds, 0));
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
            return seconds(*mark) + " left";
        }
    }
    const int minutesLeft = (leftAfter + secondsPerMinute - 1) / secondsPerMinute;
    const int mark = minutesLeft * secondsPerMinute;
    if (mark < limitSeconds && leftAfter <= mark && mark < leftBefore) {
        return std::to_string(minutesLeft) + (minutesLeft == 1 ? " minute left" : " minutes left");
    }
    return "";
}
