#include "records/StudentName.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace {
constexpr std::size_t maxNameBytes = 200; // leaves room for ".sbk.tmp" in a 255-byte name
constexpr std::string_view forbiddenCharacters = "/\\:*?\"<>|";

std::string upperAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool isReservedDeviceName(const std::string& name) {
    static const std::array<std::string_view, 4> plain = {"CON", "PRN", "AUX", "NUL"};
    const std::string upper = upperAscii(name);
    if (std::find(plain.begin(), plain.end(), upper) != plain.end()) {
        return true;
    }
    const bool numbered =
        upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT"));
    return numbered && upper[3] >= '1' && upper[3] <= '9';
}
} // namespace

std::string studentNameFromInput(const std::string& typed) {
    return typed.substr(0, typed.find('.'));
}

std::string studentNameProblem(const std::string& name) {
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F) {
            return "A name cannot contain control characters.";
        }
        if (forbiddenCharacters.find(static_cast<char>(c)) != std::string_view::npos) {
            return "A name cannot contain any of these characters: / \\ : * ? \" < > |";
        }
    }
    if (name.size() > maxNameBytes) {
        return "This name is too long. Please type a shorter name.";
    }
    if (!name.empty() && name.back() == ' ') {
        return "A name cannot end with a blank.";
    }
    if (isReservedDeviceName(name)) {
        return "This name is reserved by the computer. Please choose another name.";
    }
    return "";
}
