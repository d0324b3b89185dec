// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpText.h"
#include "help/Windows1252.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

// Offsets into the stored text follow the line ends; the text ends at its first NUL.
TEST(HelpText, LineEndsBecomeSingleNewlinesAndOffsetsFollow) {
    const std::string text("ab\r\ncd\r\n\r\nef\0\0", 14);
    EXPECT_EQ(topicDisplayText(text), "ab\ncd\n\nef");
    EXPECT_EQ(displayOffset(text, 0), 0);
    EXPECT_EQ(displayOffset(text, 4), 3);  // "c"
    EXPECT_EQ(displayOffset(text, 14), 9); // past the end: the end
}

// Every byte reads as Qt's own code page reads it; the five bytes it leaves undefined become
// the control characters of the same number. Each character goes back to its byte.
TEST(HelpText, Windows1252AgreesWithQtsCodePageBothWays) {
    QStringDecoder codePage("windows-1252");
    if (!codePage.isValid()) {
        GTEST_SKIP() << "this Qt has no windows-1252 codec";
    }
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        const bool undefined =
            value == 0x81 || value == 0x8D || value == 0x8F || value == 0x90 || value == 0x9D;
        const QString read =
            undefined ? QString(QChar(value)) : codePage.decode(QByteArray::fromStdString(byte));
        EXPECT_EQ(windows1252ToUtf8(byte), read.toStdString()) << value;
        EXPECT_EQ(utf8ToWindows1252(read.toStdString()), byte) << value;
    }
}

// Text that is not UTF-8, or holds a character beyond the code page, has no bytes.
TEST(HelpText, OnlyCodePageCharactersInValidUtf8BecomeBytes) {
    for (const char* text : {"\xE2\x98\x83", "\xC3", "\x80", "\xFF", "\xC3\x28", "\xE2\x82",
                             "\xF0\x9F\x98\x80", "\xC1\x81", "\xE0\x81\x81"}) {
        EXPECT_FALSE(utf8ToWindows1252(text)) << text;
    }
}

TEST(HelpText, LowerCasingCoversTheWholeCodePage) {
    EXPECT_EQ(lowerWindows1252("AZ az 09 \xC0\xDE\xD7\xDF \x8A\x8C\x8E\x9F"),
              "az az 09 \xE0\xFE\xD7\xDF \x9A\x9C\x9E\xFF");
}
