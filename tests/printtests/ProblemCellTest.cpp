#include "printtests/ProblemCell.h"
#include "print/FakePrintDevice.h"
#include "print/cTPrint.h"

#include <gtest/gtest.h>

namespace {

// A cell of the grid in Courier New 12 on the fake printer: characters 0.1 inch wide, lines
// 0.2 inch high. The printable area starts 150 dots from the left and 120 from the top, at
// 600 dots per inch.
class Cell : public ::testing::Test {
protected:
    Cell() {
        printer.SetFont("Courier New", 12);
        printer.GetCharSize(font.charWidth, font.lineHeight);
    }

    struct Expected {
        double x;
        double y;
        QString text;
    };

    static int dotsX(double inches) { return static_cast<int>(inches * 600 + 0.5) - 150; }
    static int dotsY(double inches) { return static_cast<int>(inches * 600 + 0.5) - 120; }

    void expectDrawn(const std::vector<Expected>& expected) {
        ASSERT_EQ(device.drawn.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(expected[i].text);
            EXPECT_EQ(device.drawn[i].text, expected[i].text);
            EXPECT_EQ(device.drawn[i].x, dotsX(expected[i].x));
            EXPECT_EQ(device.drawn[i].y, dotsY(expected[i].y));
        }
    }

    FakePrintDevice device;
    cTPrint printer{device};
    GridFont font;
};

TEST_F(Cell, AdditionIsRightAlignedOverItsRuleWithTheAnswerBelow) {
    drawProblem(printer, {7, 12, 1}, 1.2, 1.5, font, false);
    expectDrawn({{1.1, 1.5, " 7"}, {0.8, 1.72, "_____"}, {0.8, 1.7, "+  12"}});
    device.drawn.clear();
    drawProblem(printer, {7, 12, 1}, 1.2, 1.5, font, true);
    expectDrawn({{1.1, 1.5, " 7"}, {0.8, 1.72, "_____"}, {0.8, 1.7, "+  12"}, {1.1, 1.92, "19"}});
}

TEST_F(Cell, DivisionIsAFractionWithEqualsBetweenTheLines) {
    drawProblem(printer, {12, 4, 4}, 1.2, 1.5, font, false);
    expectDrawn({{1.0, 1.52, "___"}, {1.0, 1.5, " 12"}, {1.05, 1.72, " 4"}, {1.325, 1.62, "="}});
}

// The other kinds' signs, the answers' places and the rule of a longer divisor: one drawn
// text each (its index, text and, where given, x).
TEST_F(Cell, OtherKindsAndAnswers) {
    const struct {
        Problem problem;
        double anchorX, topY;
        std::size_t index;
        const char* text;
        double x;
    } cases[] = {
        {{12, 4, 2}, 1.2, 1.5, 2, "-  4", 0},   {{12, 4, 2}, 1.2, 1.5, 3, "8", 1.2},
        {{12, 11, 3}, 2.2, 2.4, 2, "x  11", 0}, {{12, 11, 3}, 2.2, 2.4, 3, "132", 2.0},
        {{56, 8, 4}, 1.2, 1.5, 3, "=7", 0},     {{0, 12, 4}, 1.2, 1.5, 0, "___", 0},
        {{0, 12, 4}, 1.2, 1.5, 3, "=0", 0},
    };
    for (const auto& c : cases) {
        device.drawn.clear();
        drawProblem(printer, c.problem, c.anchorX, c.topY, font, true);
        ASSERT_EQ(device.drawn.size(), 4u) << c.text;
        EXPECT_EQ(device.drawn[c.index].text, c.text);
        if (c.x != 0) {
            EXPECT_EQ(device.drawn[c.index].x, dotsX(c.x)) << c.text;
        }
    }
}

} // namespace
