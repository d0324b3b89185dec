// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A topic's text as the text pane shows it: UTF-8, one "\n" per CR LF, and nothing after a
// NUL character (the padding of a damaged file).
std::string topicDisplayText(const std::string& text);

// The offset in the displayed text of the 0-based byte offset in the topic's text.
int displayOffset(const std::string& text, int byteOffset);

// A topic's text as it is printed: UTF-8 with its CR LF line ends, nothing after a NUL.
std::string topicPrintText(const std::string& text);
