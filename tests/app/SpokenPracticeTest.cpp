// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SpokenPractice.h"

#include "practice/PracticeTexts.h"

#include <gtest/gtest.h>

namespace {
using K = TitleLine::Kind;

// The title's text only tells that it changed; what is said comes from its state.
PracticeView problem(const std::string& spoken, TitleLine title = {}) {
    PracticeView view;
    view.spokenProblem = spoken;
    view.answerBoxVisible = true;
    view.nextVisible = true;
    view.nextText = PracticeText::next;
    view.nextStep = NextStep::Next;
    view.titleLine = title;
    view.title = spokenTitle(title);
    return view;
}

PracticeView with(PracticeView view, void (*change)(PracticeView&)) {
    change(view);
    return view;
}
} // namespace

TEST(SpokenPractice, SaysWhatChangedOnScreenOnce) {
    const PracticeView learn = problem("7 times 2 equals", {K::Learn, 3, 7, 0, 0});
    const PracticeView right = with(learn, [](PracticeView& v) {
        v.status = PracticeText::correct;
        v.happyVisible = true;
    });
    const PracticeView test = problem("3 plus 4 equals", {K::Test, 1, 0, 2, 3});
    const PracticeView drill = problem("2 minus 1 equals", {K::Drill, 2, 0, 0, 0});
    const PracticeView drillCount = with(drill, [](PracticeView& v) {
        v.titleLine = {K::Count, 2, 0, 1, 1};
        v.title = "  (1 correct out of 1)";
        v.status = PracticeText::correct;
    });
    const PracticeView waiting = with(PracticeView{}, [](PracticeView& v) {
        v.nextVisible = true;
        v.nextText = PracticeText::begin;
        v.nextStep = NextStep::Begin;
    });
    const PracticeView shown = with(learn, [](PracticeView& v) {
        v.answerLabel = "14";
        v.spokenProblem = "7 times 2 equals 14";
        v.answerBoxVisible = false;
    });
    const PracticeView timeOn = with(test, [](PracticeView& v) {
        v.status = PracticeText::time;
        v.statusNote = StatusNote::Time;
    });
    struct Case {
        const char* what;
        PracticeView before, after;
        bool focusReads;
        std::vector<std::string> said;
    };
    const Case cases[] = {
        {"nothing changed", learn, learn, false, {}},
        {"a right answer", learn, right, false, {"Correct answer - very good..."}},
        {"the next problem",
         right,
         problem("7 times 3 equals", learn.titleLine),
         false,
         {"7 times 3 equals"}},
        {"the focus reads the problem", waiting, learn, true, {"Learning for number 7, Mult"}},
        {"a new score and problem",
         test,
         problem("5 plus 1 equals", {K::Test, 1, 0, 3, 4}),
         false,
         {"3 correct out of 4", "5 plus 1 equals"}},
        {"Time: labels the bar", test, timeOn, false, {}},
        {"the drill count",
         drill,
         drillCount,
         false,
         {"Correct answer - very good...", "1 correct out of 1"}},
        {"the drill title back",
         drillCount,
         problem("4 minus 2 equals", drill.titleLine),
         false,
         {"4 minus 2 equals"}},
        {"waiting to begin", PracticeView{}, waiting, false, {"Press Enter to begin"}},
        {"a new test",
         learn,
         test,
         false,
         {"Test Mode - Add, 2 correct out of 3", "3 plus 4 equals"}},
        {"an answer shown", learn, shown, false, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(spokenChanges(c.before, c.after, c.focusReads), c.said) << c.what;
    }
}

TEST(SpokenPractice, AnswerLabelAndTimeInWords) {
    PracticeView view;
    EXPECT_EQ(answerLabelName(view), "Answer");
    view.nextVisible = true;
    view.nextText = PracticeText::begin;
    view.nextStep = NextStep::Begin;
    EXPECT_EQ(answerLabelName(view), "Answer: Press Enter to begin");
    view.answerLabel = "14";
    view.spokenProblem = "7 times 2 equals 14";
    EXPECT_EQ(answerLabelName(view), "7 times 2 equals 14");
    EXPECT_EQ(timeBarName(18, 60), "Time used: 18 seconds of 60");
    EXPECT_EQ(timeBarName(-3, 60), "Time used: 0 seconds of 60");
}

TEST(SpokenPractice, TimeLeftAtEachMinuteThenThirtyAndTenSeconds) {
    const struct {
        int limit, before, after;
        const char* said;
    } cases[] = {
        {600, 59, 60, "9 minutes left"},
        {600, 60, 61, ""},
        {120, 59, 60, "1 minute left"},
        {60, 29, 30, "30 seconds left"},
        {60, 30, 31, ""},
        {60, 49, 50, "10 seconds left"},
        {60, 0, 1, ""},
        {60, 20, 55, "10 seconds left"},
        {60, 59, 60, ""},
        {60, 30, 30, ""},
        {0, 0, 1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(timeLeftNotice(c.limit, c.before, c.after), c.said)
            << c.limit << " " << c.before << " " << c.after;
    }
}
