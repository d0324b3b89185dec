// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpSearch.h"

#include <gtest/gtest.h>

namespace {
std::vector<HelpTopic> topicsWithTexts(const std::vector<std::string>& texts) {
    std::vector<HelpTopic> topics;
    for (const auto& text : texts) {
        topics.push_back(HelpTopic{text, "title", 0});
    }
    return topics;
}

// Steps with Next ('>') and Prev ('<'); an occurrence reads "topic:position" (from 1).
std::string stepThrough(SearchState& state, const std::vector<HelpTopic>& topics,
                        const std::string& keys) {
    std::string seen;
    for (const char key : keys) {
        const FindOutcome o = key == '>' ? findNext(state, topics) : findPrevious(state, topics);
        const std::string at = std::to_string(o.topic) + ":" + std::to_string(o.position);
        const std::string texts[] = {"-", at, "none", "end " + at};
        seen += (seen.empty() ? "" : " ") + texts[static_cast<int>(o.result)];
        if (o.result == FindResult::Found &&
            o.length != static_cast<int>(state.searchText.size())) {
            seen += "(length " + std::to_string(o.length) + ")";
        }
    }
    return seen;
}
} // namespace

// Matching ignores letter case; a whole word may end at punctuation or the text's ends; there
// is no wrap, and running out shows the last occurrence again.
TEST(HelpFind, StepsThroughTheTopics) {
    const struct {
        std::vector<std::string> texts;
        std::string typed;
        bool wholeWord;
        std::string keys, seen;
    } cases[] = {
        {{"add ADD Add"}, "aDd", false, ">>>", "1:1 1:5 1:9"},
        {{"Gr\xC9GOIRE"}, "gr\xC3\xA9goire", false, ">", "1:1"},
        {{"add adding add, add.", "-", "to add"}, "add", true, ">>>>", "1:1 1:12 1:17 3:4"},
        {{"adding address"}, "add", true, ">", "none"},
        {{"F10 F1"}, "f1", true, ">", "1:5"},              // a digit is part of a word
        {{"one add"}, "\xE2\x98\x83", false, ">", "none"}, // no help text can hold it
        {{"one add", "two add"}, "add", false, ">>>>", "1:5 2:5 end 2:5 end 2:5"},
        {{"add a add", "-", "add"}, "add", false, "><>><<<", "1:1 end 1:1 1:7 3:1 1:7 1:1 end 1:1"},
        {{"add addition adds"}, "add", true, "<", "1:1"},
        {{"aa"}, "a", false, ">><", "1:1 1:2 1:1"},
        {{"x.."}, ".", true, ">", "1:3"}, // the next try starts one byte on
        {{"press the key", "the  key"}, "  the key  ", false, ">>", "1:7 end 1:7"},
        {{"add"}, "   ", true, "><", "- -"},
    };
    for (const auto& c : cases) {
        SearchState state;
        startSearch(state, c.typed, c.wholeWord);
        EXPECT_EQ(stepThrough(state, topicsWithTexts(c.texts), c.keys), c.seen) << c.typed;
    }
}

// A search kept from a larger file starts again at the first topic.
TEST(HelpFind, CarriedOverSearch) {
    SearchState state;
    startSearch(state, "add", false);
    EXPECT_EQ(stepThrough(state, topicsWithTexts({"x", "x", "add"}), ">"), "3:1");
    EXPECT_EQ(stepThrough(state, topicsWithTexts({"add"}), ">"), "1:1");
}
