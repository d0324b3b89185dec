// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpPrint.h"
#include "help/HelpPrintText.h"
#include "print/FakePrintDevice.h"

#include <gtest/gtest.h>

// The fake printer: 600 dots per inch, 8.5 x 11 inch paper, printable area from (150, 120),
// 60-dot characters, so the printable width of 7 inches holds 70 characters; the 9 pt body
// font gives 0.15-inch lines and 68 lines a page.
namespace {
constexpr int bodyX = 300; // 0.75 inch less the 150-dot offset

QStringList bodyTexts(const FakePrintDevice& device) {
    QStringList texts;
    for (const auto& drawn : device.drawn) {
        if (drawn.x == bodyX && drawn.y > 30) {
            texts.append(drawn.text);
        }
    }
    return texts;
}
} // namespace

TEST(HelpPrint, ShortTopicPrintsTitlePageNumberAndLines) {
    FakePrintDevice device;
    device.duplexDeclared = true;                                 // one page stays one-sided
    PrintTopic(device, HelpTopic{"one\r\n\r\nthree", "Keys", 1}); // line 1 at 5 lines of 90
    EXPECT_EQ(device.drawnAt().toStdString(),
              "300,30 Keys|4140,30 Page 1|300,330 one|300,510 three");
    EXPECT_TRUE(device.drawn[0].font.underline);
    EXPECT_EQ(device.drawn[0].font.height, 100); // 12 points
    EXPECT_EQ(device.duplexMode, 1);
}

// Wide lines are cut at break characters, a word wider than the page is broken, not dropped;
// tabs go to multiples of 8, an empty line takes its line, only CR LF ends a line, and
// Windows-1252 text prints as Unicode.
TEST(HelpPrint, BodyLines) {
    const struct {
        std::string text;
        QStringList lines;
    } cases[] = {
        {std::string(63, 'a') + ", bbbbbbbb\r\n" + std::string(64, 'c') + " (dddddddddd)",
         {QString(63, u'a') + ",", "bbbbbbbb", QString(64, u'c'), "(dddddddddd)"}},
        {std::string(150, 'x') + " end", {QString(70, u'x'), QString(70, u'x'), "xxxxxxxxxx end"}},
        {"abcdefgh\tx\ty\r\n\r\nz\rq\n", {"abcdefgh        x       y", "z\rq\n"}},
        {"caf\xE9", {"caf\xC3\xA9"}},
    };
    for (const auto& c : cases) {
        FakePrintDevice device;
        PrintTopic(device, HelpTopic{c.text, "R\xE9sum\xE9", 0});
        EXPECT_EQ(device.drawn[0].text, "R\xC3\xA9sum\xC3\xA9");
        EXPECT_EQ(bodyTexts(device), c.lines);
    }
}

TEST(HelpPrint, LongTopicGoesOnTwoPagesTwoSided) {
    std::string text;
    for (int line = 1; line <= 100; ++line) {
        text += "line " + std::to_string(line) + "\r\n";
    }
    FakePrintDevice device;
    device.duplexDeclared = true;
    PrintTopic(device, HelpTopic{text, "Keys", 1});
    EXPECT_EQ(device.duplexMode, 2);
    // 65 lines fill the first page (the counter starts at 4 and stops above 68).
    const std::string drawn = device.drawnAt().toStdString();
    EXPECT_NE(drawn.find("line 65|300,30 Keys|4140,30 Page 2|300,330 line 66|"), drawn.npos);
    EXPECT_TRUE(drawn.ends_with("|300,3300 line 99|300,3390 line 100"));
    EXPECT_EQ(device.events.count("begin page"), 2);
}

TEST(HelpPrint, CancelledPrinterChoicePrintsNothing) {
    FakePrintDevice device;
    device.dialogAnswer = "";
    PrintTopic(device, HelpTopic{"one", "Keys", 1});
    EXPECT_EQ(device.drawnAt() + device.events.join('|'), "");
}

// An opening bracket that is the only break character does not break the line; at least one
// whole character is always taken.
TEST(HelpPrintText, PieceEndsAtTheLastBreakCharacter) {
    const struct {
        QString line, fitting;
        qsizetype length;
    } cases[] = {
        {"(abcdefghij", "(abcde", 6},
        {QString::fromUcs4(U"\U0001F600xyz"), "", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pieceLength(c.line, c.fitting), c.length) << c.line.toStdString();
    }
}
