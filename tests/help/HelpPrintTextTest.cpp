#include "help/HelpPrintText.h"

#include <gtest/gtest.h>

TEST(HelpPrintText, LinesSplitAtCrLfWithoutAnEmptyLastLine) {
    EXPECT_EQ(printLines("one\r\ntwo\r\n\r\nx"), (std::vector<std::string>{"one", "two", "", "x"}));
    EXPECT_EQ(printLines("one\r\n"), (std::vector<std::string>{"one"}));
    EXPECT_TRUE(printLines("").empty());
}

TEST(HelpPrintText, TabsGoToMultiplesOfEight) {
    EXPECT_EQ(expandTabs("a\tb"), "a       b");
    EXPECT_EQ(expandTabs("abcdefgh\tx"), "abcdefgh        x");
    EXPECT_EQ(expandTabs("\tx"), "        x");
    EXPECT_EQ(expandTabs("a\tbc\td"), "a       bc      d");
    EXPECT_EQ(expandTabs("\xC3\xA9\tx"), "\xC3\xA9       x"); // one character, two bytes
}

TEST(HelpPrintText, PieceEndsAtTheLastBreakCharacter) {
    EXPECT_EQ(pieceLength("one two three", "one two th"), 8u); // keeps the space
    EXPECT_EQ(pieceLength("add, then more", "add, the"), 5u);  // keeps the comma
    EXPECT_EQ(pieceLength("see (the note)", "see (the"), 4u);  // bracket moves on
    EXPECT_EQ(pieceLength("well-known fact", "well-kno"), 5u); // keeps the hyphen
}

TEST(HelpPrintText, WordWiderThanTheWidthIsBrokenAtTheWidth) {
    EXPECT_EQ(pieceLength("abcdefghij", "abcdef"), 6u);
    EXPECT_EQ(pieceLength("(abcdefghij", "(abcde"), 6u);
    EXPECT_EQ(pieceLength("\xC3\xA9xyz", ""), 2u); // nothing fits: one character anyway
}

TEST(HelpPrintText, BreakCharactersAreTheNineteen) {
    const std::string breaks = " -,;:.()[]{}<>~/|\\=";
    int count = 0;
    for (int value = 1; value < 128; ++value) {
        count += isBreakCharacter(static_cast<char>(value)) ? 1 : 0;
    }
    EXPECT_EQ(count, 19);
    for (const char character : breaks) {
        EXPECT_TRUE(isBreakCharacter(character)) << character;
    }
    EXPECT_EQ(trimSpaces("  a b  "), "a b");
}
