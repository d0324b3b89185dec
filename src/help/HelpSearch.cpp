// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpSearch.h"

#include "help/Windows1252.h"

namespace {

bool isWordCharacter(char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9');
}

// True when the occurrence at the 0-based index is bounded by non-word characters or the
// ends of the text.
bool isWholeWord(const std::string& text, std::size_t index, std::size_t length) {
    const bool wordBefore = index > 0 && isWordCharacter(text[index - 1]);
    const std::size_t after = index + length;
    const bool wordAfter = after < text.size() && isWordCharacter(text[after]);
    return !wordBefore && !wordAfter;
}

// The 1-based position of the first accepted occurrence starting at or after `start`.
int firstOccurrenceFrom(const SearchState& state, const std::string& lowerText, int start) {
    auto index = lowerText.find(state.searchText, static_cast<std::size_t>(start - 1));
    while (index != std::string::npos) {
        if (!state.wholeWord || isWholeWord(lowerText, index, state.searchText.size())) {
            return static_cast<int>(index) + 1;
        }
        index = lowerText.find(state.searchText, index + 1);
    }
    return 0;
}

// The 1-based position of the last accepted occurrence starting before `limit`.
int lastOccurrenceBefore(const SearchState& state, const std::string& lowerText, int limit) {
    while (limit > 1) {
        const auto index = lowerText.rfind(state.searchText, static_cast<std::size_t>(limit - 2));
        if (index == std::string::npos) {
            return 0;
        }
        if (!state.wholeWord || isWholeWord(lowerText, index, state.searchText.size())) {
            return static_cast<int>(index) + 1;
        }
        limit = static_cast<int>(index) + 1;
    }
    return 0;
}

FindOutcome showOccurrence(SearchState& state, int topic, int position) {
    state.resumeTopic = topic;
    state.lastMatchTopic = topic;
    state.lastMatchPosition = position;
    return FindOutcome{FindResult::Found, topic, position,
                       static_cast<int>(state.searchText.size())};
}

FindOutcome nothingMore(SearchState& state, bool forward) {
    if (forward && state.lastMatchPosition == 0) {
        return FindOutcome{FindResult::NoneFound, 0, 0, 0};
    }
    return FindOutcome{FindResult::NoMoreFound, state.lastMatchTopic, state.lastMatchPosition,
                       static_cast<int>(state.searchText.size())};
}

// A state carried over from an opening with more topics starts again at the first topic.
void fitToTopics(SearchState& state, std::size_t topicCount) {
    if (state.resumeTopic < 1 || static_cast<std::size_t>(state.resumeTopic) > topicCount ||
        static_cast<std::size_t>(state.lastMatchTopic) > topicCount) {
        state.resumeTopic = 1;
        state.lastMatchTopic = 0;
        state.lastMatchPosition = 0;
    }
}

} // namespace

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

void startSearch(SearchState& state, const std::string& typedText, bool wholeWord) {
    const std::string trimmed = trimBlanks(typedText);
    const auto bytes = utf8ToWindows1252(trimmed);
    state.matchable = bytes.has_value();
    state.searchText = lowerWindows1252(bytes.value_or(trimmed));
    state.wholeWord = wholeWord;
    state.resumeTopic = 1;
    state.lastMatchPosition = 0;
    state.lastMatchTopic = 0;
}

void cancelSearch(SearchState& state) {
    state.searchText.clear();
}

FindOutcome findNext(SearchState& state, const std::vector<HelpTopic>& topics) {
    if (state.searchText.empty()) {
        return {};
    }
    fitToTopics(state, topics.size());
    for (int topic = state.resumeTopic; state.matchable && topic <= static_cast<int>(topics.size());
         ++topic) {
        const bool holdsShown = topic == state.lastMatchTopic;
        const int start = holdsShown ? state.lastMatchPosition + 1 : 1;
        const std::string lowerText = lowerWindows1252(topics[topic - 1].text);
        if (const int position = firstOccurrenceFrom(state, lowerText, start); position > 0) {
            return showOccurrence(state, topic, position);
        }
    }
    return nothingMore(state, true);
}

FindOutcome findPrevious(SearchState& state, const std::vector<HelpTopic>& topics) {
    if (state.searchText.empty()) {
        return {};
    }
    fitToTopics(state, topics.size());
    for (int topic = state.resumeTopic; state.matchable && topic >= 1; --topic) {
        const std::string lowerText = lowerWindows1252(topics[topic - 1].text);
        const bool holdsShown = topic == state.lastMatchTopic;
        const int limit =
            holdsShown ? state.lastMatchPosition : static_cast<int>(lowerText.size()) + 1;
        if (const int position = lastOccurrenceBefore(state, lowerText, limit); position > 0) {
            return showOccurrence(state, topic, position);
        }
    }
    return nothingMore(state, false);
}
