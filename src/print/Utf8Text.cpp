#include "print/Utf8Text.h"

#include <vector>

namespace {
bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the sequence a lead byte announces; 1 for a byte that is not a lead.
std::size_t announcedLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead <= 0xEF ? 3 : 1;
    }
    if (lead >= 0xC2) {
        return 2;
    }
    return 1;
}

// The byte length of the character starting at pos.
std::size_t characterLength(std::string_view text, std::size_t pos) {
    const std::size_t wanted = announcedLength(static_cast<unsigned char>(text[pos]));
    std::size_t length = 1;
    while (length < wanted && pos + length < text.size() &&
           isContinuation(static_cast<unsigned char>(text[pos + length]))) {
        ++length;
    }
    return length == wanted ? length : 1;
}

// Byte offsets where each character starts, followed by the text's size.
std::vector<std::size_t> characterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t pos = 0; pos < text.size(); pos += characterLength(text, pos)) {
        starts.push_back(pos);
    }
    starts.push_back(text.size());
    return starts;
}
} // namespace

std::size_t characterCount(std::string_view text) {
    return characterStarts(text).size() - 1;
}

std::string firstCharacters(std::string_view text, std::size_t n) {
    const auto starts = characterStarts(text);
    const std::size_t count = starts.size() - 1;
    return std::string(text.substr(0, starts[n < count ? n : count]));
}

std::string lastCharacters(std::string_view text, std::size_t n) {
    const auto starts = characterStarts(text);
    const std::size_t count = starts.size() - 1;
    return std::string(text.substr(starts[n < count ? count - n : 0]));
}

std::string reverseCharacters(std::string_view text) {
    const auto starts = characterStarts(text);
    std::string reversed;
    reversed.reserve(text.size());
    for (std::size_t i = starts.size() - 1; i > 0; --i) {
        reversed.append(text.substr(starts[i - 1], starts[i] - starts[i - 1]));
    }
    return reversed;
}
