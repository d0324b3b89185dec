#include "help/HelpPrint.h"
#include "print/FakePrintDevice.h"

#include <gtest/gtest.h>

// The fake printer: 600 dots per inch, 8.5 x 11 inch paper, printable area from (150, 120),
// 60-dot characters, so the printable width of 7 inches holds 70 characters; the 9 pt body
// font gives 0.15-inch lines and 68 lines a page.
namespace {

constexpr int bodyX = 300; // 0.75 inch less the 150-dot offset

int bodyLineY(int line) {
    return (4 + line) * 90 - 120; // line 1 at 5 line heights of 90 dots
}

QStringList bodyTexts(const FakePrintDevice& device) {
    QStringList texts;
    for (const auto& drawn : device.drawn) {
        if (drawn.x == bodyX && drawn.y > 30) {
            texts.append(drawn.text);
        }
    }
    return texts;
}

HelpTopic topicWith(const std::string& text) {
    return HelpTopic{text, "Keys", 1};
}

std::string manyLines(int count) {
    std::string text;
    for (int line = 1; line <= count; ++line) {
        text += "line " + std::to_string(line) + "\r\n";
    }
    return text;
}

} // namespace

TEST(HelpPrint, ShortTopicPrintsTitlePageNumberAndLines) {
    FakePrintDevice device;
    device.duplexDeclared = true; // one page stays one-sided
    PrintTopic(device, topicWith("one\r\ntwo\r\nthree"));
    ASSERT_EQ(device.drawn.size(), 5u);
    EXPECT_EQ(device.drawn[0].text, "Keys");
    EXPECT_EQ(device.drawn[0].y, 30);
    EXPECT_TRUE(device.drawn[0].font.underline);
    EXPECT_EQ(device.drawn[0].font.height, 100); // 12 points
    EXPECT_EQ(device.drawn[1].text, "Page 1");
    EXPECT_EQ(device.drawn[1].x, 4140); // right edge at 7.75 inches
    EXPECT_EQ(device.drawn[1].font.height, 75);
    EXPECT_EQ(device.drawn[4].text, "three");
    EXPECT_EQ(device.drawn[4].y, bodyLineY(3));
    EXPECT_EQ(device.events.front(), "begin document appHelp");
    EXPECT_EQ(device.duplexMode, 1);
}

TEST(HelpPrint, WideLinesAreCutAtBreakCharacters) {
    FakePrintDevice device;
    const std::string comma = std::string(63, 'a') + ", bbbbbbbb";
    const std::string bracket = std::string(64, 'c') + " (dddddddddd)";
    PrintTopic(device, topicWith(comma + "\r\n" + bracket));
    EXPECT_EQ(bodyTexts(device), (QStringList{QString(63, u'a') + ",", "bbbbbbbb",
                                              QString(64, u'c'), "(dddddddddd)"}));
}

TEST(HelpPrint, WordWiderThanThePageIsBrokenNotDropped) {
    FakePrintDevice device;
    PrintTopic(device, topicWith(std::string(150, 'x') + " end"));
    EXPECT_EQ(bodyTexts(device),
              (QStringList{QString(70, u'x'), QString(70, u'x'), "xxxxxxxxxx end"}));
}

TEST(HelpPrint, TabsExpandAndAnEmptyLineTakesItsLine) {
    FakePrintDevice device;
    PrintTopic(device, topicWith("a\tb\r\n\r\nz"));
    EXPECT_EQ(bodyTexts(device), (QStringList{"a       b", "z"}));
    EXPECT_EQ(device.drawn.back().y, bodyLineY(3));
}

TEST(HelpPrint, LongTopicGoesOnTwoPagesTwoSidedWhenPossible) {
    for (const bool duplex : {true, false}) {
        FakePrintDevice device;
        device.duplexDeclared = duplex;
        PrintTopic(device, topicWith(manyLines(100)));
        EXPECT_EQ(device.duplexMode, duplex ? 2 : 0);
        int pages = 0;
        for (const auto& event : device.events) {
            pages += event == "begin page" ? 1 : 0;
        }
        EXPECT_EQ(pages, 2);
        QStringList headers;
        for (const auto& drawn : device.drawn) {
            if (drawn.y == 30) {
                headers.append(drawn.text);
            }
        }
        EXPECT_EQ(headers, (QStringList{"Keys", "Page 1", "Keys", "Page 2"}));
        // 65 lines fill the first page (the counter starts at 4 and stops above 68).
        ASSERT_EQ(bodyTexts(device).size(), 100u);
        const auto line66 = std::find_if(device.drawn.begin(), device.drawn.end(),
                                         [](const auto& d) { return d.text == "line 66"; });
        ASSERT_NE(line66, device.drawn.end());
        EXPECT_EQ(line66->y, bodyLineY(1));
    }
}

TEST(HelpPrint, CancelledPrinterChoicePrintsNothing) {
    FakePrintDevice device;
    device.dialogAnswer = "";
    PrintTopic(device, topicWith("one"));
    EXPECT_TRUE(device.drawn.empty());
    EXPECT_TRUE(device.events.empty());
}

TEST(HelpPrint, Windows1252TitleAndTextArePrintedAsUnicode) {
    FakePrintDevice device;
    PrintTopic(device, HelpTopic{"caf\xE9", "R\xE9sum\xE9", 0});
    EXPECT_EQ(device.drawn[0].text, "R\xC3\xA9sum\xC3\xA9");
    EXPECT_EQ(bodyTexts(device), (QStringList{"caf\xC3\xA9"}));
}
