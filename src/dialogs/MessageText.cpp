#include "dialogs/MessageText.h"

namespace {
constexpr const char* lineBreak = "\r\n";
constexpr std::size_t lineBreakLength = 2;
} // namespace

std::vector<std::string> messageLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t found = text.find(lineBreak); found != std::string::npos;
         found = text.find(lineBreak, start)) {
        lines.push_back(text.substr(start, found - start));
        start = found + lineBreakLength;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string withLineFeeds(const std::string& text) {
    const std::vector<std::string> lines = messageLines(text);
    std::string joined = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        joined += '\n';
        joined += lines[i];
    }
    return joined;
}
