#include "print/FakePrintDevice.h"
#include "print/cTPrint.h"

#include <gtest/gtest.h>

namespace {

// A printer with Courier New 12 selected: 100-dot characters in a 120-dot cell, so one
// line is 0.2 inch; every character is 0.1 inch wide.
class PrintedText : public ::testing::Test {
protected:
    PrintedText() { printer.SetFont("Courier New", 12); }

    FakePrintDevice device;
    cTPrint printer{device};
};

TEST(Fonts, CourierTwelveIsAHundredDotsAtNormalWeight) {
    FakePrintDevice device;
    cTPrint printer(device);
    printer.SetFont("Courier New", 12, "");
    EXPECT_EQ(device.selectedFonts.back(), (DeviceFont{"Courier New", 100, 400, false, false}));
    double avgWidth = 0;
    double lineHeight = 0;
    printer.GetCharSize(avgWidth, lineHeight);
    EXPECT_DOUBLE_EQ(avgWidth, 0.1);
    EXPECT_DOUBLE_EQ(lineHeight, 0.2);
}

TEST(Fonts, StyleLettersAreLowerCaseOnly) {
    FakePrintDevice device;
    cTPrint printer(device);
    printer.SetFont("Arial", 10, "ub");
    EXPECT_EQ(device.selectedFonts.back(), (DeviceFont{"Arial", 83, 700, false, true}));
    printer.SetFont("Arial", 10, "B");
    EXPECT_EQ(device.selectedFonts.back(), (DeviceFont{"Arial", 83, 400, false, false}));
    printer.SetFont("Arial", 10, "x-i");
    EXPECT_EQ(device.selectedFonts.back(), (DeviceFont{"Arial", 83, 400, true, false}));
}

TEST(Fonts, LineHeightCountsTheExternalLeading) {
    FakePrintDevice device;
    device.externalLeading = 30;
    cTPrint printer(device);
    printer.SetFont("Courier New", 12);
    double avgWidth = 0;
    double lineHeight = 0;
    printer.GetCharSize(avgWidth, lineHeight);
    EXPECT_DOUBLE_EQ(lineHeight, 0.25);
}

TEST_F(PrintedText, FitTextKeepsHeadOrTailOrNothing) {
    const std::string forty = "abcdefghijklmnopqrstuvwxyz0123456789ABCD";
    EXPECT_EQ(printer.FitText(forty, 1.0), "abcdefghij");
    EXPECT_EQ(printer.FitText(forty, -1.0), "456789ABCD");
    EXPECT_EQ(printer.FitText(forty, 0), "");
    EXPECT_EQ(printer.FitText("short", 3.0), "short");
    EXPECT_EQ(printer.FitText("short", -3.0), "short");
}

TEST_F(PrintedText, FitTextRoundsTheWidthToTheNearestDot) {
    // 0.0991 inch is 59.46 dots, nearest 59: no character fits; 0.0999 is 59.94, nearest 60.
    EXPECT_EQ(printer.FitText("abc", 0.0991), "");
    EXPECT_EQ(printer.FitText("abc", 0.0999), "a");
}

TEST_F(PrintedText, FitTextNeverCutsInsideACharacter) {
    const std::string umlauts = "\xC3\xA4\xC3\xB6\xC3\xBC\xE2\x82\xAC"; // a o u umlauts, euro
    EXPECT_DOUBLE_EQ(printer.TextWidth(umlauts), 0.4);
    EXPECT_EQ(printer.FitText(umlauts, 0.2), "\xC3\xA4\xC3\xB6");
    EXPECT_EQ(printer.FitText(umlauts, -0.2), "\xC3\xBC\xE2\x82\xAC");
}

TEST_F(PrintedText, PositionIsPulledOntoThePrintableArea) {
    printer.PrintText("corner", 0.1, 0.1);
    printer.PrintText("inside", 1.0, 2.0);
    ASSERT_EQ(device.drawn.size(), 2u);
    EXPECT_EQ(device.drawn[0].x, 0);
    EXPECT_EQ(device.drawn[0].y, 0);
    EXPECT_EQ(device.drawn[1].x, 600 - 150);
    EXPECT_EQ(device.drawn[1].y, 1200 - 120);
    EXPECT_EQ(device.drawn[1].font.face, "Courier New");
}

TEST_F(PrintedText, ZeroYContinuesOnTheNextLines) {
    printer.PrintText("first", 1.5, 2.0);
    printer.PrintText("second");
    printer.PrintText("third", 0, 0);
    ASSERT_EQ(device.drawn.size(), 3u);
    EXPECT_EQ(device.drawn[1].x, 900 - 150);
    EXPECT_EQ(device.drawn[1].y, 1320 - 120); // 2 + 0.2 inch
    EXPECT_EQ(device.drawn[2].x, 900 - 150);
    EXPECT_EQ(device.drawn[2].y, 1440 - 120); // 2 + 2 x 0.2 inch
}

TEST_F(PrintedText, SetPositionIsWhereTheNextLineFollows) {
    printer.SetPosition(3.0, 4.0);
    printer.PrintText("next");
    ASSERT_EQ(device.drawn.size(), 1u);
    EXPECT_EQ(device.drawn[0].x, 1800 - 150);
    EXPECT_EQ(device.drawn[0].y, 2520 - 120);
}

TEST_F(PrintedText, RightMarginCutsAtTheLastWholeCharacter) {
    printer.SetMargins(0, 1.0, 0, 0); // right limit 5100 - 150 - 600 = 4350 dots
    printer.PrintText("abcdefghijklmnopqrst", 6.5, 1.0);
    ASSERT_EQ(device.drawn.size(), 1u);
    EXPECT_EQ(device.drawn[0].x, 3900 - 150);
    EXPECT_EQ(device.drawn[0].text, "abcdefghij");
}

TEST_F(PrintedText, WithoutMarginsThePaperEdgeLimitsTheText) {
    printer.PrintText("abcdefghij", 8.0, 1.0); // 4650 dots, 300 left to the edge
    ASSERT_EQ(device.drawn.size(), 1u);
    EXPECT_EQ(device.drawn[0].text, "abcde");
}

TEST_F(PrintedText, LeftMarginKeepsTheTailRightOfIt) {
    printer.SetMargins(1.0, 0, 0, 0);
    printer.PrintText("abcdefghij", 0.5, 1.0);
    ASSERT_EQ(device.drawn.size(), 1u);
    EXPECT_EQ(device.drawn[0].x, 600 - 150);
    EXPECT_EQ(device.drawn[0].text, "fghij");
}

TEST_F(PrintedText, TextWhollyLeftOfTheLeftMarginPrintsNothing) {
    printer.SetMargins(2.0, 0, 0, 0);
    printer.PrintText("abc", 1.0, 1.0);
    printer.PrintText("abcdefghij", 1.0, 1.2); // ends exactly on the margin
    EXPECT_TRUE(device.drawn.empty());
}

TEST_F(PrintedText, TextStartingRightOfTheRightLimitPrintsNothing) {
    printer.SetMargins(0, 1.0, 0, 0);
    printer.PrintText("abc", 8.0, 1.0);
    EXPECT_TRUE(device.drawn.empty());
    printer.PrintText("ends here"); // the line below still starts at x = 8
    EXPECT_TRUE(device.drawn.empty());
}

TEST_F(PrintedText, AboveTheTopMarginPrintsNothing) {
    printer.SetMargins(0, 0, 1.0, 0);
    printer.PrintText("high", 1.0, 0.5);
    printer.PrintText("on the margin", 1.0, 1.0);
    ASSERT_EQ(device.drawn.size(), 1u);
    EXPECT_EQ(device.drawn[0].text, "on the margin");
}

TEST_F(PrintedText, LineCrossingTheBottomIsDroppedWhole) {
    printer.SetMargins(0, 0, 0, 0.5);                // bottom limit 6600 - 120 - 300 = 6180 dots
    printer.PrintText("last whole line", 1.0, 10.3); // cell 6060 to 6180
    printer.PrintText("crosses");                    // cell 6180 to 6300
    printer.PrintText("further down");
    ASSERT_EQ(device.drawn.size(), 1u);
    EXPECT_EQ(device.drawn[0].text, "last whole line");
    EXPECT_EQ(device.drawn[0].y, 6060);
}

TEST_F(PrintedText, WithoutMarginsThePaperBottomLimitsTheLines) {
    printer.PrintText("fits", 1.0, 10.6); // cell 6240 to 6360, limit 6480
    printer.PrintText("fits too");        // cell 6360 to 6480
    printer.PrintText("past the paper");  // cell 6480 to 6600
    ASSERT_EQ(device.drawn.size(), 2u);
    EXPECT_EQ(device.drawn[1].text, "fits too");
}

TEST(LinesLeft, NinePointLinesBelowAQuarterInchMargin) {
    FakePrintDevice device;
    cTPrint printer(device);
    printer.SetFont("Courier New", 9); // 75-dot characters in a 90-dot cell: 0.15 inch
    printer.SetMargins(0, 0, 0.25, 0.5);
    EXPECT_EQ(printer.LinesLeft(0), 68); // floor(10.25 / 0.15)
    EXPECT_EQ(printer.LinesLeft(5), 36); // floor(5.5 / 0.15)
}

TEST(LinesLeft, UnprintableStripCountsWhenLargerThanTheMargin) {
    FakePrintDevice device;
    cTPrint printer(device);
    printer.SetFont("Courier New", 12);    // 0.2 inch lines
    EXPECT_EQ(printer.LinesLeft(2.0), 44); // (11 - 0.2 strip - 2) / 0.2
    EXPECT_EQ(printer.LinesLeft(12.0), -6);
}

} // namespace
