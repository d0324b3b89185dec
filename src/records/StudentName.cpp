// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentName.h"

#include <QCoreApplication>

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

// The device names Windows reserves in every folder, whatever the case and with any
// extension: CON, PRN, AUX, NUL, CONIN$, CONOUT$, and COM and LPT followed by a digit 0-9 or
// a superscript digit 1-3.
bool isReservedDeviceName(const std::string& name) {
    static const std::array<std::string_view, 6> plain = {"CON", "PRN",    "AUX",
                                                          "NUL", "CONIN$", "CONOUT$"};
    static const std::array<std::string_view, 3> superscripts = {"\xC2\xB9", "\xC2\xB2",
                                                                 "\xC2\xB3"}; // ¹ ² ³ in UTF-8
    const std::string upper = upperAscii(name.substr(0, name.find('.')));
    if (std::find(plain.begin(), plain.end(), upper) != plain.end()) {
        return true;
    }
    if (!upper.starts_with("COM") && !upper.starts_with("LPT")) {
        return false;
    }
    const std::string_view number = std::string_view(upper).substr(3);
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') ||
           std::find(superscripts.begin(), superscripts.end(), number) != superscripts.end();
}

// The problem as the user reads it, from the catalogue.
std::string problemText(const char* text) {
    return QCoreApplication::translate("StudentName", text).toStdString();
}
} // namespace

std::string studentNameFromInput(const std::string& typed) {
    return typed.substr(0, typed.find('.'));
}

std::string studentNameProblem(const std::string& name) {
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F) {
            return problemText(
                QT_TRANSLATE_NOOP("StudentName", "A name cannot contain control characters."));
        }
        if (forbiddenCharacters.find(static_cast<char>(c)) != std::string_view::npos) {
            return problemText(QT_TRANSLATE_NOOP(
                "StudentName",
                "A name cannot contain any of these characters: / \\ : * ? \" < > |"));
        }
    }
    if (name.size() > maxNameBytes) {
        return problemText(
            QT_TRANSLATE_NOOP("StudentName", "This name is too long. Please type a shorter name."));
    }
    if (!name.empty() && name.back() == ' ') {
        return problemText(QT_TRANSLATE_NOOP("StudentName", "A name cannot end with a blank."));
    }
    if (isReservedDeviceName(name)) {
        return problemText(QT_TRANSLATE_NOOP(
            "StudentName", "This name is reserved by the computer. Please choose another name."));
    }
    return "";
}
