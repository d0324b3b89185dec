// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpPrintText.h"

#include <gtest/gtest.h>

TEST(HelpPrintText, LinesSplitAtCrLfWithoutAnEmptyLastLine) {
    EXPECT_EQ(printLines("one\r\ntwo\r\n\r\nx"), (QStringList{"one", "two", "", "x"}));
    EXPECT_EQ(printLines("one\r\n"), QStringList{"one"});
    EXPECT_EQ(printLines("one\rtwo\n"), QStringList{"one\rtwo\n"});
    EXPECT_TRUE(printLines("").empty());
}

TEST(HelpPrintText, TabsGoToMultiplesOfEight) {
    EXPECT_EQ(expandTabs("a\tb"), "a       b");
    EXPECT_EQ(expandTabs("abcdefgh\tx"), "abcdefgh        x");
    EXPECT_EQ(expandTabs("\tx"), "        x");
    EXPECT_EQ(expandTabs("a\tbc\td"), "a       bc      d");
    EXPECT_EQ(expandTabs(QString::fromUcs4(U"\U0001F600\tx")), // one character, two units
              QString::fromUcs4(U"\U0001F600       x"));
}

// A piece keeps its last break character (an opening bracket moves on); a word wider than
// the width is broken at the width, and at least one whole character is always taken.
TEST(HelpPrintText, PieceEndsAtTheLastBreakCharacter) {
    const struct {
        QString line, fitting;
        qsizetype length;
    } cases[] = {
        {"one two three", "one two th", 8},
        {"add, then more", "add, the", 5},
        {"see (the note)", "see (the", 4},
        {"well-known fact", "well-kno", 5},
        {"abcdefghij", "abcdef", 6},
        {"(abcdefghij", "(abcde", 6},
        {QString::fromUcs4(U"\U0001F600xyz"), "", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pieceLength(c.line, c.fitting), c.length) << c.line.toStdString();
    }
    int breaks = 0;
    for (char16_t value = 1; value < 128; ++value) {
        breaks += isBreakCharacter(QChar(value)) ? 1 : 0;
    }
    EXPECT_EQ(breaks, 19);
}
