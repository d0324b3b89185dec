// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpFile.h"
#include "help/HelpSource.h"
#include "help/HelpTree.h"

#include <gtest/gtest.h>

namespace {
using Bytes = std::vector<unsigned char>;

// The two-topic example: Start (text Hello, top level) and Keys (empty text, level 1).
const Bytes startAndKeys = {0x02, 0x00, 0x00, 0x00, 0x05, 0x00, 0x48, 0x65, 0x6C, 0x6C, 0x6F, 0x00,
                            0x00, 0x05, 0x00, 0x53, 0x74, 0x61, 0x72, 0x74, 0x04, 0x00, 0x4B, 0x65,
                            0x79, 0x73, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00};

// "title/text/level; ..." or "notice: title: text".
std::string described(const std::vector<HelpTopic>& topics) {
    std::string text;
    for (const HelpTopic& t : topics) {
        text += (text.empty() ? "" : "; ") + t.title + "/" + t.text + "/" + std::to_string(t.level);
    }
    return text;
}

std::string described(const HelpLoadResult& result) {
    if (result.notice) {
        return "notice: " + result.notice->title + ": " + result.notice->text;
    }
    return described(result.topics);
}

std::vector<HelpTopic> topicsWithLevels(const std::vector<std::int32_t>& levels) {
    std::vector<HelpTopic> topics;
    for (const auto level : levels) {
        topics.push_back(HelpTopic{"", "t", level});
    }
    return topics;
}
} // namespace

// A count of 0 or less means no content; a short or cut file reads what it lacks as zeros.
TEST(HelpFileRead, TopicsOrTheNotice) {
    Bytes countOfThree = startAndKeys; // texts are read first: title 1 is text 3
    countOfThree[0] = 0x03;
    const struct {
        Bytes bytes;
        std::string topics;
    } cases[] = {
        {startAndKeys, "Start/Hello/0; Keys//1"},
        {{0x00, 0x00, 0x00, 0x00}, "notice: Help File: No help content"},
        {{0xFF, 0xFF, 0xFF, 0xFF}, "notice: Help File: No help content"},
        {countOfThree, "Keys/Hello/1; //0; /Start/0"},
        {{0x01, 0x00, 0x00}, "//0"},
        {{0x01, 0x00, 0x00, 0x00, 0x05, 0x00, 'H', 'i'}, std::string("/Hi\0\0\0/0", 8)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(described(HelpFile::parse(c.bytes)), c.topics) << c.bytes.size() << " bytes";
    }
}

TEST(HelpFileRead, HugeCountIsBoundedAndTheLongestTextReadWhole) {
    Bytes huge(4 + 80, 0); // filled in place: g++ 12 -O3 warns on growth
    std::fill_n(huge.begin(), 3, 0xFF);
    huge[3] = 0x7F;
    EXPECT_EQ(HelpFile::parse(huge).topics.size(), 10u);
    // Empty topics, as many as the file holds: the largest count is read, one more refused.
    for (const std::int64_t count : {HelpFile::maxTopics, HelpFile::maxTopics + 1}) {
        Bytes empties(static_cast<std::size_t>(4 + 8 * count), 0);
        empties[0] = static_cast<unsigned char>(count);
        empties[1] = static_cast<unsigned char>(count >> 8);
        EXPECT_EQ(HelpFile::parse(empties).topics.size(), count > HelpFile::maxTopics ? 0 : count);
    }

    Bytes longest(6 + 65535 + 7, 'x');
    const unsigned char head[] = {0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF};
    const unsigned char tail[] = {0x01, 0x00, 'T', 0x00, 0x00, 0x00, 0x00};
    std::copy(std::begin(head), std::end(head), longest.begin());
    std::copy(std::begin(tail), std::end(tail), longest.end() - 7);
    EXPECT_EQ(described(HelpFile::parse(longest)), "T/" + std::string(65535, 'x') + "/0");
}

// The source's blocks become topics with CR LF lines; listed again, they compile to the same
// bytes.
TEST(HelpSource, BlocksBecomeTopicsAndListBackUnchanged) {
    const HelpSourceResult result =
        parseHelpSource("Notes for the author.\n@@ 0 Start\n\nHello\n"
                        "\tthere\n\n@@ 3 Keys\n@@ 0 Caf\xC3\xA9\r\none\r\n");
    EXPECT_EQ(described(result.topics), "Start/Hello\r\n\tthere/0; Keys//3; Caf\xE9/one/0");
    const auto bytes = encodeHelpFile(result.topics);
    EXPECT_EQ(encodeHelpFile(parseHelpSource(helpSourceText(result.topics)).topics), bytes);
    EXPECT_EQ(encodeHelpFile(parseHelpSource("@@ 0 Start\nHello\n@@ 1 Keys\n").topics),
              startAndKeys);
}

TEST(HelpSource, BadSourcesAreRefusedWithTheLine) {
    EXPECT_EQ(parseHelpSource("no topics here\n").error, "no topic found");
    EXPECT_EQ(parseHelpSource("@@ 0 A\n@@ x B\n").error.rfind("line 2:", 0), 0u);
    EXPECT_EQ(parseHelpSource("@@ 0 Snow\n\xE2\x98\x83\n").error.rfind("line 1:", 0), 0u);
    const std::string tooLong = "@@ 0 Long\n" + std::string(70000, 'x') + "\n";
    EXPECT_NE(parseHelpSource(tooLong).error, "");
}

TEST(HelpTree, TwoLevelsAndLongTitlesCut) {
    EXPECT_EQ(topicParents(topicsWithLevels({0, 5, 0, 2})), (std::vector<int>{0, 1, 0, 3}));
    EXPECT_EQ(topicParents(topicsWithLevels({7, 0})), (std::vector<int>{0, 0}));
    const std::string longTitle(300, 'k');
    EXPECT_EQ(headingText(longTitle).size(), 5u + 255u);
    EXPECT_EQ(topicStatusText("a", longTitle, true).size(), 4u + 255u);
}
