#include "printtests/ProblemCell.h"
#include "print/FakePrintDevice.h"
#include "print/cTPrint.h"

#include <gtest/gtest.h>

namespace {

// The first cell of the grid (anchor 1.2, top 1.5) in Courier New 12 on the fake printer:
// characters 0.1 inch wide, lines 0.2 inch high. The printable area starts 150 dots from
// the left and 120 from the top, at 600 dots per inch.
class FirstCell : public ::testing::Test {
protected:
    FirstCell() {
        printer.SetFont("Courier New", 12);
        printer.GetCharSize(font.charWidth, font.lineHeight);
    }

    struct Expected {
        double x;
        double y;
        std::string text;
    };

    void expectDrawn(const std::vector<Expected>& expected) {
        ASSERT_EQ(device.drawn.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(expected[i].text);
            EXPECT_EQ(device.drawn[i].text, expected[i].text);
            EXPECT_EQ(device.drawn[i].x, static_cast<int>(expected[i].x * 600 + 0.5) - 150);
            EXPECT_EQ(device.drawn[i].y, static_cast<int>(expected[i].y * 600 + 0.5) - 120);
        }
    }

    FakePrintDevice device;
    cTPrint printer{device};
    GridFont font;
};

TEST_F(FirstCell, AdditionIsRightAlignedOverItsRule) {
    drawProblem(printer, {7, 12, 1}, 1.2, 1.5, font, false);
    expectDrawn({{1.1, 1.5, " 7"}, {0.8, 1.72, "_____"}, {0.8, 1.7, "+  12"}});
}

TEST_F(FirstCell, AdditionWithItsAnswer) {
    drawProblem(printer, {7, 12, 1}, 1.2, 1.5, font, true);
    expectDrawn({{1.1, 1.5, " 7"}, {0.8, 1.72, "_____"}, {0.8, 1.7, "+  12"}, {1.1, 1.92, "19"}});
}

TEST_F(FirstCell, SubtractionAndMultiplicationUseTheirSigns) {
    drawProblem(printer, {12, 4, 2}, 1.2, 1.5, font, true);
    drawProblem(printer, {12, 11, 3}, 2.2, 2.4, font, true);
    ASSERT_EQ(device.drawn.size(), 8u);
    EXPECT_EQ(device.drawn[2].text, "-  4");
    EXPECT_EQ(device.drawn[3].text, "8");
    EXPECT_EQ(device.drawn[3].x, 720 - 150);
    EXPECT_EQ(device.drawn[6].text, "x  11");
    EXPECT_EQ(device.drawn[7].text, "132");
    EXPECT_EQ(device.drawn[7].x, 1200 - 150); // 2.2 - 2 characters
}

TEST_F(FirstCell, DivisionIsAFractionWithEqualsBetweenTheLines) {
    drawProblem(printer, {12, 4, 4}, 1.2, 1.5, font, false);
    expectDrawn({{1.0, 1.52, "___"}, {1.0, 1.5, " 12"}, {1.05, 1.72, " 4"}, {1.325, 1.62, "="}});
}

TEST_F(FirstCell, DivisionAnswerFollowsTheEquals) {
    drawProblem(printer, {56, 8, 4}, 1.2, 1.5, font, true);
    ASSERT_EQ(device.drawn.size(), 4u);
    EXPECT_EQ(device.drawn[3].text, "=7");
}

TEST_F(FirstCell, LongerDivisorWidensTheRule) {
    drawProblem(printer, {0, 12, 4}, 1.2, 1.5, font, true);
    ASSERT_EQ(device.drawn.size(), 4u);
    EXPECT_EQ(device.drawn[0].text, "___");
    EXPECT_EQ(device.drawn[3].text, "=0");
}

} // namespace
