#include "help/HelpFile.h"
#include "help/HelpTree.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

// The two-topic example: Start (text Hello, top level) and Keys (empty text, level 1).
const std::vector<unsigned char> startAndKeys = {
    0x02, 0x00, 0x00, 0x00, 0x05, 0x00, 0x48, 0x65, 0x6C, 0x6C, 0x6F, 0x00,
    0x00, 0x05, 0x00, 0x53, 0x74, 0x61, 0x72, 0x74, 0x04, 0x00, 0x4B, 0x65,
    0x79, 0x73, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00};

std::vector<unsigned char> countOnly(std::int32_t count) {
    const auto value = static_cast<std::uint32_t>(count);
    return {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
            static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
}

std::vector<HelpTopic> topicsWithLevels(const std::vector<std::int32_t>& levels) {
    std::vector<HelpTopic> topics;
    for (const auto level : levels) {
        topics.push_back(HelpTopic{"", "t", level});
    }
    return topics;
}

} // namespace

TEST(HelpFileRead, ReadsTheTwoTopicExample) {
    ASSERT_EQ(startAndKeys.size(), 34u);
    const HelpLoadResult result = HelpFile::parse(startAndKeys);
    EXPECT_FALSE(result.notice);
    ASSERT_EQ(result.topics.size(), 2u);
    EXPECT_EQ(result.topics[0].text, "Hello");
    EXPECT_EQ(result.topics[0].title, "Start");
    EXPECT_EQ(result.topics[0].level, 0);
    EXPECT_EQ(result.topics[1].text, "");
    EXPECT_EQ(result.topics[1].title, "Keys");
    EXPECT_EQ(result.topics[1].level, 1);
    EXPECT_EQ(topicParents(result.topics), (std::vector<int>{0, 1}));
}

TEST(HelpFileRead, ZeroOrNegativeCountMeansNoContent) {
    for (const std::int32_t count : {0, -1, -70000}) {
        const HelpLoadResult result = HelpFile::parse(countOnly(count));
        ASSERT_TRUE(result.notice) << count;
        EXPECT_EQ(result.notice->text, "No help content");
        EXPECT_EQ(result.notice->title, "Help File");
        EXPECT_TRUE(result.topics.empty());
    }
    EXPECT_TRUE(HelpFile::parse({}).notice);
}

TEST(HelpFileRead, ShortFileReadsMissingPartsAsZero) {
    // Count 3 over the example's bytes: every section shifts, and what the file no longer
    // holds (two titles, two levels) reads as empty or 0.
    auto bytes = startAndKeys;
    bytes[0] = 0x03;
    const HelpLoadResult result = HelpFile::parse(bytes);
    ASSERT_EQ(result.topics.size(), 3u);
    EXPECT_EQ(result.topics[0].text, "Hello");
    EXPECT_EQ(result.topics[2].text, "Start"); // texts are read first: title 1 is text 3
    EXPECT_EQ(result.topics[0].title, "Keys");
    EXPECT_EQ(result.topics[0].level, 1);
    EXPECT_EQ(result.topics[1].title, "");
    EXPECT_EQ(result.topics[2].title, "");
    EXPECT_EQ(result.topics[2].level, 0);
}

TEST(HelpFileRead, CutFilesReadAsFarAsTheyGo) {
    const HelpLoadResult three = HelpFile::parse({0x01, 0x00, 0x00}); // one empty topic
    ASSERT_EQ(three.topics.size(), 1u);
    EXPECT_FALSE(three.notice);
    EXPECT_EQ(three.topics[0].title, "");
    EXPECT_EQ(three.topics[0].level, 0);
    const HelpLoadResult cut = HelpFile::parse({0x01, 0x00, 0x00, 0x00, 0x05, 0x00, 'H', 'i'});
    ASSERT_EQ(cut.topics.size(), 1u);
    EXPECT_EQ(cut.topics[0].text, std::string("Hi\0\0\0", 5)); // padded with NUL
}

TEST(HelpFileRead, HugeCountIsBoundedByTheFileSize) {
    std::vector<unsigned char> bytes(4 + 80, 0); // filled in place: g++ 12 -O3 warns on growth
    const auto count = countOnly(0x7FFFFFFF);
    std::copy(count.begin(), count.end(), bytes.begin());
    const HelpLoadResult result = HelpFile::parse(bytes);
    EXPECT_EQ(result.topics.size(), 10u);
    EXPECT_EQ(HelpFile::countLimitForSize(3), 1);
    EXPECT_EQ(HelpFile::countLimitForSize(34), 3);
}

TEST(HelpFileRead, LongestTextIsReadWhole) {
    std::vector<unsigned char> bytes(6 + 65535 + 7, 'x'); // filled in place, as above
    const unsigned char head[] = {0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF};
    const unsigned char tail[] = {0x01, 0x00, 'T', 0x00, 0x00, 0x00, 0x00};
    std::copy(std::begin(head), std::end(head), bytes.begin());
    std::copy(std::begin(tail), std::end(tail), bytes.end() - 7);
    const HelpLoadResult result = HelpFile::parse(bytes);
    ASSERT_EQ(result.topics.size(), 1u);
    EXPECT_EQ(result.topics[0].text.size(), 65535u);
    EXPECT_EQ(result.topics[0].title, "T");
}

TEST(HelpFileOnDisk, LoadsAFileAndAMissingOneMeansNoHelpAvailable) {
    TempFolder folder;
    const HelpLoadResult missing = HelpFile::load(folder.path() / "tallyburrow.ahp");
    ASSERT_TRUE(missing.notice);
    EXPECT_EQ(missing.notice->text, "No help available");
    EXPECT_EQ(missing.notice->title, "Help File");
    EXPECT_FALSE(HelpFile::exists(folder.path()));
    EXPECT_TRUE(HelpFile::load(folder.path()).notice);
    writeBytes(folder.path() / "tallyburrow.ahp", startAndKeys);
    EXPECT_TRUE(HelpFile::exists(folder.path() / "tallyburrow.ahp"));
    const HelpLoadResult result = HelpFile::load(folder.path() / "tallyburrow.ahp");
    EXPECT_FALSE(result.notice);
    EXPECT_EQ(result.topics.size(), 2u);
}

TEST(HelpTree, LevelsGiveTwoLevelsOnly) {
    EXPECT_EQ(topicParents(topicsWithLevels({0, 5, 0, 2})), (std::vector<int>{0, 1, 0, 3}));
    EXPECT_EQ(topicParents(topicsWithLevels({7, 0})), (std::vector<int>{0, 0}));
    EXPECT_EQ(topicParents(topicsWithLevels({0, 1, 1, -3})), (std::vector<int>{0, 1, 1, 1}));
}

TEST(HelpTree, HeadingAndStatusTexts) {
    EXPECT_EQ(headingText("Keys"), "     Keys");
    EXPECT_EQ(topicStatusText("Start", "Keys", true), "Start : Keys");
    EXPECT_EQ(topicStatusText("", "Start", false), "Start");
    const std::string longTitle(300, 'k');
    EXPECT_EQ(headingText(longTitle).size(), 5u + 255u);
    EXPECT_EQ(topicStatusText("a", longTitle, true).size(), 4u + 255u);
}
