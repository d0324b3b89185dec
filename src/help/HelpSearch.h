// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "help/HelpFile.h"

#include <QtGlobal>

#include <string>
#include <vector>

// The search over the topic texts, kept from one opening of the help window to the next.
// Topics are visited in tree order, which is file order. Positions count the bytes of a
// topic's text from 1.
struct SearchState {
    std::string searchText; // lower-case Windows-1252; empty means no search
    bool wholeWord = false;
    bool matchable = true;     // false when the typed text holds a character no help text can
    int resumeTopic = 1;       // topic where Next and Prev continue
    int lastMatchPosition = 0; // position of the occurrence shown last, 0 for none
    int lastMatchTopic = 0;    // its topic, 0 for none
};

enum class FindResult {
    NoSearch,    // no search text: nothing happens
    Found,       // show the occurrence
    NoneFound,   // "None found"
    NoMoreFound, // "No more found"; the last occurrence (if any) is shown again
};

// What a step of the search asks the window to show. For Found and NoMoreFound, topic and
// position give the occurrence to select (topic 0 when there is none to select again).
struct FindOutcome {
    FindResult result = FindResult::NoSearch;
    int topic = 0;
    int position = 0;
    int length = 0;
};

// Shown by the window, translated there.
inline constexpr char noneFoundText[] = QT_TRANSLATE_NOOP("HelpWindow", "None found");
inline constexpr char noMoreFoundText[] = QT_TRANSLATE_NOOP("HelpWindow", "No more found");

// Starts a new search for the typed text (UTF-8): blanks at both ends are dropped, the
// rest is lower-cased; Next and Prev then start at the first topic. An empty text ends
// the search.
void startSearch(SearchState& state, const std::string& typedText, bool wholeWord);

// Forgets the search text ("Find cancel").
void cancelSearch(SearchState& state);

// The next occurrence strictly after the one shown last, topic by topic, never wrapping.
FindOutcome findNext(SearchState& state, const std::vector<HelpTopic>& topics);

// The previous occurrence strictly before the one shown last, never wrapping.
FindOutcome findPrevious(SearchState& state, const std::vector<HelpTopic>& topics);

// The typed text with blanks removed at both ends (inner blanks stay).
std::string trimBlanks(const std::string& text);
