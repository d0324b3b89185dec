#include "help/HelpPrintText.h"

#include <string_view>

namespace {

constexpr std::string_view breakCharacters = " -,;:.()[]{}<>~/|\\=";
constexpr std::string_view openingBrackets = "([{<";

bool isUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

std::size_t characterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += isUtf8Continuation(byte) ? 0 : 1;
    }
    return count;
}

// The length in bytes of the first character of the text.
std::size_t firstCharacterLength(const std::string& text) {
    std::size_t length = text.empty() ? 0 : 1;
    while (length < text.size() && isUtf8Continuation(text[length])) {
        ++length;
    }
    return length;
}

} // namespace

std::vector<std::string> printLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string expandTabs(const std::string& line) {
    std::string expanded;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string::npos;
         tab = line.find('\t', start)) {
        expanded += line.substr(start, tab - start);
        const std::size_t column = characterCount(expanded);
        expanded.append(8 - column % 8, ' ');
        start = tab + 1;
    }
    expanded += line.substr(start);
    return expanded;
}

bool isBreakCharacter(char character) {
    return breakCharacters.find(character) != std::string_view::npos;
}

bool isOpeningBracket(char character) {
    return openingBrackets.find(character) != std::string_view::npos;
}

std::size_t pieceLength(const std::string& line, const std::string& fitting) {
    std::size_t breakAt = 0; // 1-based position of the last break character, 0 for none
    for (std::size_t index = fitting.size(); index > 0; --index) {
        if (isBreakCharacter(fitting[index - 1])) {
            breakAt = index;
            break;
        }
    }
    const bool bracketFirst = breakAt == 1 && isOpeningBracket(fitting[0]);
    if (breakAt == 0 || bracketFirst) {
        return fitting.empty() ? firstCharacterLength(line) : fitting.size();
    }
    return isOpeningBracket(fitting[breakAt - 1]) ? breakAt - 1 : breakAt;
}

std::string trimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
