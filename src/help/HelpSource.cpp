// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpSource.h"

#include "help/Windows1252.h"

#include <charconv>
#include <limits>
#include <sstream>

namespace {

constexpr char headerMark[] = "@@ ";

std::vector<std::string> splitLines(const std::string& source) {
    std::vector<std::string> lines;
    std::istringstream in(source);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::string joinBlock(const std::vector<std::string>& lines, std::size_t first, std::size_t end) {
    while (first < end && lines[first].empty()) {
        ++first;
    }
    while (end > first && lines[end - 1].empty()) {
        --end;
    }
    std::string text;
    for (std::size_t index = first; index < end; ++index) {
        if (index > first) {
            text += "\r\n";
        }
        text += lines[index];
    }
    return text;
}

bool readHeader(const std::string& line, HelpTopic& topic) {
    const char* begin = line.data() + 3;
    const char* end = line.data() + line.size();
    const auto [next, error] = std::from_chars(begin, end, topic.level);
    if (error != std::errc() || next == end || *next != ' ') {
        return false;
    }
    topic.title = std::string(next + 1, end);
    return true;
}

std::string lineError(std::size_t lineIndex, const std::string& what) {
    return "line " + std::to_string(lineIndex + 1) + ": " + what;
}

bool toWindows1252(std::string& text) {
    const auto bytes = utf8ToWindows1252(text);
    if (bytes) {
        text = *bytes;
    }
    return bytes.has_value();
}

void putNumber(std::vector<unsigned char>& out, std::uint32_t value, int width) {
    for (int index = 0; index < width; ++index) {
        out.push_back(static_cast<unsigned char>(value >> (8 * index)));
    }
}

void putString(std::vector<unsigned char>& out, const std::string& text) {
    putNumber(out, static_cast<std::uint32_t>(text.size()), 2);
    out.insert(out.end(), text.begin(), text.end());
}

} // namespace

HelpSourceResult parseHelpSource(const std::string& source) {
    const std::vector<std::string> lines = splitLines(source);
    HelpSourceResult result;
    std::vector<std::size_t> headerLines;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (lines[index].rfind(headerMark, 0) == 0) {
            headerLines.push_back(index);
        }
    }
    for (std::size_t block = 0; block < headerLines.size(); ++block) {
        const std::size_t headerLine = headerLines[block];
        const std::size_t end =
            block + 1 < headerLines.size() ? headerLines[block + 1] : lines.size();
        HelpTopic topic;
        if (!readHeader(lines[headerLine], topic)) {
            result.error = lineError(headerLine, "expected \"@@ <level> <title>\"");
            return result;
        }
        topic.text = joinBlock(lines, headerLine + 1, end);
        if (!toWindows1252(topic.title) || !toWindows1252(topic.text)) {
            result.error = lineError(headerLine, "a character Windows-1252 cannot hold");
            return result;
        }
        if (helpTopicTooLong(topic)) {
            result.error = lineError(headerLine, "text or title longer than 65535 bytes");
            return result;
        }
        result.topics.push_back(std::move(topic));
    }
    if (result.topics.empty()) {
        result.error = "no topic found";
    }
    // The reader refuses a file of more topics: the compiler never makes one.
    if (static_cast<std::int64_t>(result.topics.size()) > HelpFile::maxTopics) {
        result.error = "more than " + std::to_string(HelpFile::maxTopics) + " topics";
    }
    return result;
}

bool helpTopicTooLong(const HelpTopic& topic) {
    constexpr std::size_t limit = std::numeric_limits<std::uint16_t>::max();
    return topic.text.size() > limit || topic.title.size() > limit;
}

std::vector<unsigned char> encodeHelpFile(const std::vector<HelpTopic>& topics) {
    std::vector<unsigned char> out;
    putNumber(out, static_cast<std::uint32_t>(topics.size()), 4);
    for (const auto& topic : topics) {
        putString(out, topic.text);
    }
    for (const auto& topic : topics) {
        putString(out, topic.title);
    }
    for (const auto& topic : topics) {
        putNumber(out, static_cast<std::uint32_t>(topic.level), 4);
    }
    return out;
}

std::string helpSourceText(const std::vector<HelpTopic>& topics) {
    std::string source;
    for (const auto& topic : topics) {
        source +=
            headerMark + std::to_string(topic.level) + " " + windows1252ToUtf8(topic.title) + "\n";
        std::string text = windows1252ToUtf8(topic.text);
        for (std::size_t at = text.find("\r\n"); at != std::string::npos;
             at = text.find("\r\n", at)) {
            text.erase(at, 1); // the CR of a CR LF
        }
        source += text + "\n\n";
    }
    return source;
}
