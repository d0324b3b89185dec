// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpText.h"

#include "help/Windows1252.h"

#include <algorithm>

namespace {

std::string untilNul(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

} // namespace

std::string topicDisplayText(const std::string& text) {
    const std::string shown = untilNul(text);
    std::string joined;
    joined.reserve(shown.size());
    for (std::size_t index = 0; index < shown.size(); ++index) {
        const bool lineEnd =
            shown[index] == '\r' && index + 1 < shown.size() && shown[index + 1] == '\n';
        if (!lineEnd) {
            joined += shown[index];
        }
    }
    return windows1252ToUtf8(joined);
}

int displayOffset(const std::string& text, int byteOffset) {
    const int end = std::clamp(byteOffset, 0, static_cast<int>(untilNul(text).size()));
    int offset = 0;
    for (int index = 0; index < end; ++index) {
        const bool lineEnd = text[index] == '\r' && index + 1 < static_cast<int>(text.size()) &&
                             text[index + 1] == '\n';
        if (!lineEnd) {
            ++offset;
        }
    }
    return offset;
}

std::string topicPrintText(const std::string& text) {
    return windows1252ToUtf8(untilNul(text));
}
