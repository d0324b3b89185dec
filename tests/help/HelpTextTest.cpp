// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpText.h"
#include "help/Windows1252.h"

#include <gtest/gtest.h>

TEST(HelpText, LineEndsBecomeSingleNewlinesAndOffsetsFollow) {
    const std::string text = "ab\r\ncd\r\n\r\nef";
    EXPECT_EQ(topicDisplayText(text), "ab\ncd\n\nef");
    EXPECT_EQ(displayOffset(text, 0), 0);
    EXPECT_EQ(displayOffset(text, 4), 3);  // "c"
    EXPECT_EQ(displayOffset(text, 10), 7); // "e"
    EXPECT_EQ(displayOffset(text, 99), 9); // past the end: the end
}

TEST(HelpText, DisplayStopsAtTheFirstNul) {
    const std::string padded("Hi\0\0", 4);
    EXPECT_EQ(topicDisplayText(padded), "Hi");
    EXPECT_EQ(displayOffset(padded, 4), 2);
}

TEST(HelpText, Windows1252BytesBecomeUtf8AndBack) {
    const std::string bytes = "\x80 caf\xE9 \x93q\x94 \x81";
    const std::string utf8 = windows1252ToUtf8(bytes);
    EXPECT_EQ(utf8, "\xE2\x82\xAC caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D \xC2\x81");
    EXPECT_EQ(utf8ToWindows1252(utf8), bytes);
    EXPECT_FALSE(utf8ToWindows1252("\xE2\x98\x83")); // no such character
    EXPECT_FALSE(utf8ToWindows1252("\xC3"));         // cut sequence
}

TEST(HelpText, LowerCasingCoversTheWholeCodePage) {
    EXPECT_EQ(lowerWindows1252("AZ az 09 \xC0\xDE\xD7\xDF \x8A\x8C\x8E\x9F"),
              "az az 09 \xE0\xFE\xD7\xDF \x9A\x9C\x9E\xFF");
}
