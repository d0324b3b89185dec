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

void expectHit(const FindOutcome& outcome, FindResult result, int topic, int position) {
    EXPECT_EQ(outcome.result, result);
    EXPECT_EQ(outcome.topic, topic);
    EXPECT_EQ(outcome.position, position);
}

} // namespace

TEST(HelpFind, MatchesAnyLetterCase) {
    const auto topics = topicsWithTexts({"add ADD Add"});
    SearchState state;
    startSearch(state, "aDd", false);
    EXPECT_EQ(state.searchText, "add");
    expectHit(findNext(state, topics), FindResult::Found, 1, 1);
    expectHit(findNext(state, topics), FindResult::Found, 1, 5);
    expectHit(findNext(state, topics), FindResult::Found, 1, 9);
    EXPECT_EQ(findNext(state, topics).length, 3);
    startSearch(state, "gr\xC3\xA9goire", false); // typed as UTF-8, found in Windows-1252
    expectHit(findNext(state, topicsWithTexts({"Gr\xC9GOIRE"})), FindResult::Found, 1, 1);
}

TEST(HelpFind, WholeWordSkipsLongerWordsButTakesPunctuationAndEnds) {
    const auto topics = topicsWithTexts({"add adding address add, add. x", "sum", "to add"});
    SearchState state;
    startSearch(state, "add", true);
    expectHit(findNext(state, topics), FindResult::Found, 1, 1);  // start of the text
    expectHit(findNext(state, topics), FindResult::Found, 1, 20); // "add,"
    expectHit(findNext(state, topics), FindResult::Found, 1, 25); // "add."
    expectHit(findNext(state, topics), FindResult::Found, 3, 4);  // end of the text
    expectHit(findNext(state, topics), FindResult::NoMoreFound, 3, 4);
}

TEST(HelpFind, WithoutWholeWordMatchesInsideWords) {
    const auto topics = topicsWithTexts({"adding address"});
    SearchState state;
    startSearch(state, "add", true);
    EXPECT_EQ(findNext(state, topics).result, FindResult::NoneFound);
    startSearch(state, "add", false);
    expectHit(findNext(state, topics), FindResult::Found, 1, 1);
    expectHit(findNext(state, topics), FindResult::Found, 1, 8);
}

TEST(HelpFind, UnknownWordIsNoneFoundAndRunningOutIsNoMoreFound) {
    const auto topics = topicsWithTexts({"one add", "two add"});
    SearchState state;
    startSearch(state, "\xE2\x98\x83", false); // a snowman: no help file can hold it
    EXPECT_EQ(findNext(state, topics).result, FindResult::NoneFound);
    startSearch(state, "zebra", false);
    EXPECT_EQ(findNext(state, topics).result, FindResult::NoneFound);
    EXPECT_TRUE(state.endReached);

    startSearch(state, "add", false);
    expectHit(findNext(state, topics), FindResult::Found, 1, 5);
    expectHit(findNext(state, topics), FindResult::Found, 2, 5);
    // No wrap to the first topic; the last occurrence is shown again.
    expectHit(findNext(state, topics), FindResult::NoMoreFound, 2, 5);
    expectHit(findNext(state, topics), FindResult::NoMoreFound, 2, 5);
    EXPECT_EQ(state.resumeTopic, 2);
}

TEST(HelpFind, PreviousStepsBackAndNeverWraps) {
    const auto topics = topicsWithTexts({"add one add", "none", "add"});
    SearchState state;
    startSearch(state, "add", false);
    expectHit(findNext(state, topics), FindResult::Found, 1, 1);
    expectHit(findPrevious(state, topics), FindResult::NoMoreFound, 1, 1);
    expectHit(findNext(state, topics), FindResult::Found, 1, 9);
    expectHit(findNext(state, topics), FindResult::Found, 3, 1);
    expectHit(findPrevious(state, topics), FindResult::Found, 1, 9);
    expectHit(findPrevious(state, topics), FindResult::Found, 1, 1);
    expectHit(findPrevious(state, topics), FindResult::NoMoreFound, 1, 1);
}

TEST(HelpFind, OneLetterSearchMovesOnInBothDirections) {
    const auto topics = topicsWithTexts({"aXa"});
    SearchState state;
    startSearch(state, "a", false);
    expectHit(findNext(state, topics), FindResult::Found, 1, 1);
    expectHit(findNext(state, topics), FindResult::Found, 1, 3);
    expectHit(findPrevious(state, topics), FindResult::Found, 1, 1);
}

TEST(HelpFind, WholeWordRejectionsAreSkippedBackwards) {
    const auto topics = topicsWithTexts({"add addition adds"});
    SearchState state;
    startSearch(state, "add", true);
    state.resumeTopic = 1;
    expectHit(findPrevious(state, topics), FindResult::Found, 1, 1);
}

TEST(HelpFind, TypedBlanksAtTheEndsAreDroppedInnerBlanksKept) {
    const auto topics = topicsWithTexts({"press the key", "the  key"});
    SearchState state;
    startSearch(state, "  the key  ", false);
    EXPECT_EQ(state.searchText, "the key");
    expectHit(findNext(state, topics), FindResult::Found, 1, 7);
    EXPECT_EQ(findNext(state, topics).result, FindResult::NoMoreFound);
}

TEST(HelpFind, EmptyOrCancelledSearchDoesNothing) {
    const auto topics = topicsWithTexts({"add"});
    SearchState state;
    startSearch(state, "   ", true);
    EXPECT_EQ(findNext(state, topics).result, FindResult::NoSearch);
    startSearch(state, "add", false);
    cancelSearch(state);
    EXPECT_EQ(findNext(state, topics).result, FindResult::NoSearch);
    EXPECT_EQ(findPrevious(state, topics).result, FindResult::NoSearch);
}

TEST(HelpFind, StateFromALargerFileStartsAgainAtTheFirstTopic) {
    SearchState state;
    startSearch(state, "add", false);
    const auto many = topicsWithTexts({"x", "x", "add"});
    expectHit(findNext(state, many), FindResult::Found, 3, 1);
    const auto few = topicsWithTexts({"add"});
    expectHit(findNext(state, few), FindResult::Found, 1, 1);
}
