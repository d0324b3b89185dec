// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/Windows1252.h"

#include <array>
#include <cstdint>

namespace {

// Unicode code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> highControlRow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return highControlRow[byte - 0x80];
    }
    return byte;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::optional<unsigned char> byteOf(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<unsigned char>(code);
    }
    for (std::size_t index = 0; index < highControlRow.size(); ++index) {
        if (highControlRow[index] == code) {
            return static_cast<unsigned char>(0x80 + index);
        }
    }
    return std::nullopt;
}

// Reads one UTF-8 sequence at `pos`, moving `pos` past it; nullopt when it is malformed.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int followers = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        followers = 1;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        followers = 2;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        followers = 3;
        code = lead & 0x07;
    } else {
        return std::nullopt;
    }
    for (int count = 0; count < followers; ++count) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    // A character written with more bytes than it needs (an overlong form) is not UTF-8.
    constexpr std::array<char32_t, 4> smallestOfLength = {0, 0x80, 0x800, 0x10000};
    if (code < smallestOfLength[followers]) {
        return std::nullopt;
    }
    return code;
}

} // namespace

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        appendUtf8(out, codePointOf(static_cast<unsigned char>(byte)));
    }
    return out;
}

std::optional<std::string> utf8ToWindows1252(std::string_view text) {
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto code = nextCodePoint(text, pos);
        if (!code) {
            return std::nullopt;
        }
        const auto byte = byteOf(*code);
        if (!byte) {
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

char lowerWindows1252(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    const bool asciiCapital = value >= 'A' && value <= 'Z';
    const bool latinCapital = value >= 0xC0 && value <= 0xDE && value != 0xD7;
    if (asciiCapital || latinCapital) {
        return static_cast<char>(value + 0x20);
    }
    switch (value) {
    case 0x8A: // S caron
    case 0x8C: // OE ligature
    case 0x8E: // Z caron
        return static_cast<char>(value + 0x10);
    case 0x9F: // Y diaeresis
        return static_cast<char>(0xFF);
    default:
        return byte;
    }
}

std::string lowerWindows1252(std::string_view bytes) {
    std::string out(bytes);
    for (char& byte : out) {
        byte = lowerWindows1252(byte);
    }
    return out;
}
