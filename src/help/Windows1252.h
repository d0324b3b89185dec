// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Help texts are stored as Windows-1252 bytes. These convert them for display and printing
// (UTF-8), turn typed search text back into the same 8-bit set, and lower-case it.

// UTF-8 for the given Windows-1252 bytes. The five bytes the code page leaves undefined
// become the control characters of the same number.
std::string windows1252ToUtf8(std::string_view bytes);

// Windows-1252 bytes for a UTF-8 text; nullopt when the text is not valid UTF-8 or holds a
// character the code page cannot express.
std::optional<std::string> utf8ToWindows1252(std::string_view text);

// The lower-case letter of one Windows-1252 byte (A-Z, the accented capitals, and the
// capitals at 0x8A, 0x8C, 0x8E, 0x9F); any other byte is returned unchanged.
char lowerWindows1252(char byte);

// The whole text lower-cased byte by byte.
std::string lowerWindows1252(std::string_view bytes);
