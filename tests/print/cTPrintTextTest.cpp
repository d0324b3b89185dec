// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/FakePrintDevice.h"
#include "print/cTPrint.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// A printer with Courier New 12 selected: 100-dot characters in a 120-dot cell, so one
// line is 0.2 inch; every character is 0.1 inch wide.
class PrintedText : public ::testing::Test {
protected:
    PrintedText() { printer.SetFont("Courier New", 12); }

    FakePrintDevice device;
    cTPrint printer{device};
};

// Style letters are lower case: b bold, i italic, u underlined; 10 points are 83 dots.
TEST(Fonts, SizeWeightAndTheLowerCaseStyleLetters) {
    FakePrintDevice device;
    cTPrint printer(device);
    for (const auto& [style, expected] :
         {std::pair{"ub", DeviceFont{"Arial", 83, 700, false, true}},
          std::pair{"Bx-i", DeviceFont{"Arial", 83, 400, true, false}}}) {
        printer.SetFont("Arial", 10, style);
        EXPECT_EQ(device.selectedFonts.back(), expected) << style;
    }
}

// The line height adds the external leading to the character cell, read as the printer is
// attached (the device's own font, a 60-dot cell) and again with each font.
TEST(Fonts, CharSizeAndLineHeightWithTheExternalLeading) {
    for (const auto& [points, lineHeight] : {std::pair{0, 0.15}, std::pair{12, 0.25}}) {
        FakePrintDevice device;
        device.externalLeading = 30;
        cTPrint printer(device);
        if (points > 0) {
            printer.SetFont("Courier New", points);
        }
        double avgWidth = 0;
        double height = 0;
        printer.GetCharSize(avgWidth, height);
        EXPECT_DOUBLE_EQ(avgWidth, 0.1);
        EXPECT_DOUBLE_EQ(height, lineHeight);
    }
}

// A positive width keeps the head, a negative one the tail, 0 nothing; the width is
// rounded to the nearest dot and no character is cut inside its bytes.
TEST_F(PrintedText, FitTextKeepsHeadOrTailOrNothing) {
    const QString forty = "abcdefghijklmnopqrstuvwxyz0123456789ABCD";
    const QString umlauts = "\xC3\xA4\xC3\xB6\xC3\xBC\xE2\x82\xAC"; // a o u umlauts, euro
    const struct {
        QString text;
        double width;
        QString expected;
    } cases[] = {
        {forty, 1.0, "abcdefghij"},
        {forty, -1.0, "456789ABCD"},
        {forty, 0, ""},
        {"short", 3.0, "short"},
        {"abc", 0.0991, ""},  // 59.46 dots, nearest 59
        {"abc", 0.0999, "a"}, // 59.94 dots, nearest 60
        {umlauts, 0.2, "\xC3\xA4\xC3\xB6"},
        {umlauts, -0.2, "\xC3\xBC\xE2\x82\xAC"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(printer.FitText(c.text, c.width), c.expected) << c.text << " in " << c.width;
    }
    EXPECT_DOUBLE_EQ(printer.TextWidth(umlauts), 0.4);
}

// PrintText places and clips text: each case sets the margins (left, right, top, bottom),
// prints some texts (inches; y = 0 continues on the next line) and lists what reaches the
// device (dots from the printable area's corner, 150 right and 120 down on the paper).
TEST(PrintText, PlacesAndClipsTheText) {
    struct Print {
        QString text;
        double x = 0;
        double y = 0;
    };
    const struct {
        std::array<double, 4> margins;
        std::vector<Print> prints;
        const char* shown;
    } cases[] = {
        // positions are pulled onto the printable area
        {{}, {{"corner", 0.1, 0.1}, {"inside", 1.0, 2.0}}, "0,0 corner|450,1080 inside"},
        // zero y continues on the next lines
        {{},
         {{"first", 1.5, 2.0}, {"second"}, {"third", 0, 0}},
         "750,1080 first|750,1200 second|750,1320 third"},
        // the right margin cuts at the last whole character; right limit 4350 dots
        {{0, 1, 0, 0}, {{"abcdefghijklmnopqrst", 6.5, 1.0}}, "3750,480 abcdefghij"},
        // without margins the paper edge limits the text; 4650 dots, 300 left
        {{}, {{"abcdefghij", 8.0, 1.0}}, "4650,480 abcde"},
        // the left margin keeps the tail right of it
        {{1, 0, 0, 0}, {{"abcdefghij", 0.5, 1.0}}, "450,480 fghij"},
        // a text wholly left of the left margin prints nothing; the second ends on it
        {{2, 0, 0, 0}, {{"abc", 1.0, 1.0}, {"abcdefghij", 1.0, 1.2}}, ""},
        // a text starting right of the right limit prints nothing, nor the line below
        {{0, 1, 0, 0}, {{"abc", 8.0, 1.0}, {"ends here"}}, ""},
        // above the top margin prints nothing
        {{0, 0, 1, 0}, {{"high", 1.0, 0.5}, {"on the margin", 1.0, 1.0}}, "450,480 on the margin"},
        // a line crossing the bottom is dropped whole; limit 6180: cells to 6180, 6300
        {{0, 0, 0, 0.5},
         {{"last whole line", 1.0, 10.3}, {"crosses"}, {"further down"}},
         "450,6060 last whole line"},
        // without margins the paper bottom limits the lines; limit 6480
        {{},
         {{"fits", 1.0, 10.6}, {"fits too"}, {"past the paper"}},
         "450,6240 fits|450,6360 fits too"},
    };
    for (const auto& c : cases) {
        FakePrintDevice device;
        cTPrint printer(device);
        printer.SetFont("Courier New", 12);
        if (c.margins != std::array<double, 4>{}) {
            printer.SetMargins(c.margins[0], c.margins[1], c.margins[2], c.margins[3]);
        }
        for (const Print& print : c.prints) {
            printer.PrintText(print.text, print.x, print.y);
        }
        EXPECT_EQ(device.drawnAt().toStdString(), c.shown);
    }
}

TEST(LinesLeft, CountsWholeLinesAboveTheBottomLimit) {
    FakePrintDevice device;
    cTPrint printer(device);
    printer.SetFont("Courier New", 12);     // 0.2 inch lines, no margins
    EXPECT_EQ(printer.LinesLeft(2.0), 44);  // (11 - 0.2 unprintable strip - 2) / 0.2
    EXPECT_EQ(printer.LinesLeft(12.0), -6); // (printed help topics count with margins)
}

} // namespace
