// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpSource.h"
#include "help/HelpFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

TEST(HelpSource, BlocksBecomeTopicsWithCrLfLines) {
    const std::string source = "Notes for the author.\n"
                               "@@ 0 Start\n"
                               "\n"
                               "Hello\n"
                               "\tthere\n"
                               "\n"
                               "@@ 1 Keys\n"
                               "@@ 0 Caf\xC3\xA9\r\n"
                               "one\r\n";
    const HelpSourceResult result = parseHelpSource(source);
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(result.topics.size(), 3u);
    EXPECT_EQ(result.topics[0].title, "Start");
    EXPECT_EQ(result.topics[0].text, "Hello\r\n\tthere");
    EXPECT_EQ(result.topics[1].level, 1);
    EXPECT_EQ(result.topics[1].text, "");
    EXPECT_EQ(result.topics[2].title, "Caf\xE9");
    EXPECT_EQ(result.topics[2].text, "one");
}

TEST(HelpSource, EncodesTheTwoTopicExampleByteForByte) {
    const HelpSourceResult result = parseHelpSource("@@ 0 Start\nHello\n@@ 1 Keys\n");
    const std::vector<unsigned char> expected = {
        0x02, 0x00, 0x00, 0x00, 0x05, 0x00, 0x48, 0x65, 0x6C, 0x6C, 0x6F, 0x00,
        0x00, 0x05, 0x00, 0x53, 0x74, 0x61, 0x72, 0x74, 0x04, 0x00, 0x4B, 0x65,
        0x79, 0x73, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00};
    EXPECT_EQ(encodeHelpFile(result.topics), expected);
}

TEST(HelpSource, ListingReadsBackToTheSameFile) {
    const HelpSourceResult first =
        parseHelpSource("@@ 0 Start\nLine one\n\nLine \xE2\x82\xAC three\n@@ 3 Keys\nF3\n");
    const std::string listed = helpSourceText(first.topics);
    const HelpSourceResult second = parseHelpSource(listed);
    EXPECT_EQ(encodeHelpFile(second.topics), encodeHelpFile(first.topics));
    EXPECT_EQ(HelpFile::parse(encodeHelpFile(first.topics)).topics[1].level, 3);
}

TEST(HelpSource, BadSourcesAreRefusedWithTheLine) {
    EXPECT_EQ(parseHelpSource("no topics here\n").error, "no topic found");
    EXPECT_EQ(parseHelpSource("@@ 0 A\n@@ x B\n").error.rfind("line 2:", 0), 0u);
    EXPECT_EQ(parseHelpSource("@@ 0 Snow\n\xE2\x98\x83\n").error.rfind("line 1:", 0), 0u);
    const std::string tooLong = "@@ 0 Long\n" + std::string(70000, 'x') + "\n";
    EXPECT_NE(parseHelpSource(tooLong).error, "");
}

// The text pane wraps the shipped help at its own width, so a paragraph stands on one line:
// two lines of prose in a row are two entries of a list ("Quit (Q) - ..."), never one
// paragraph broken by hand. Lines that start with blanks (lists, tables) stand as written.
TEST(ShippedHelp, ParagraphsStandOnOneLine) {
    std::ifstream in(TB_HELP_SOURCE, std::ios::binary);
    const HelpSourceResult help =
        parseHelpSource(std::string(std::istreambuf_iterator<char>(in), {}));
    ASSERT_EQ(help.error, "");
    const std::regex listEntry("^[A-Z][\\w ]*\\([^)]*\\) - .*");
    for (const HelpTopic& topic : help.topics) {
        std::istringstream lines(topic.text);
        std::string previous;
        for (std::string line; std::getline(lines, line, '\n');) {
            line = line.substr(0, line.find('\r'));
            const bool prose = !line.empty() && line.front() != ' ';
            const bool afterProse = !previous.empty() && previous.front() != ' ';
            EXPECT_FALSE(prose && afterProse && !std::regex_match(line, listEntry))
                << topic.title << ": \"" << previous << "\" / \"" << line << "\"";
            previous = line;
        }
    }
}
