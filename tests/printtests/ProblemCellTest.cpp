// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/ProblemCell.h"
#include "print/FakePrintDevice.h"
#include "print/cTPrint.h"

#include <gtest/gtest.h>

namespace {

// A cell of the grid in Courier New 12 on the fake printer: characters 0.1 inch wide, lines
// 0.2 inch high; drawn at (x, y) dots from the printable area, which starts 150 dots from the
// left and 120 from the top, at 600 dots per inch.
class Cell : public ::testing::Test {
protected:
    Cell() {
        printer.SetFont("Courier New", 12);
        printer.GetCharSize(font.charWidth, font.lineHeight);
    }

    QString drawn(const Problem& problem, double colX, double rowY, bool withAnswers) {
        device.drawn.clear();
        drawProblem(printer, problem, colX, rowY, font, withAnswers);
        return device.drawnAt();
    }

    FakePrintDevice device;
    cTPrint printer{device};
    GridFont font;
};

// Addition is right-aligned over its rule with the answer below; division is a fraction
// with the equals sign between the lines.
TEST_F(Cell, AdditionAndDivisionLayouts) {
    EXPECT_EQ(drawn({7, 12, 1}, 1.2, 1.5, false), "510,780  7|330,912 _____|330,900 +  12");
    EXPECT_EQ(drawn({7, 12, 1}, 1.2, 1.5, true),
              "510,780  7|330,912 _____|330,900 +  12|510,1032 19");
    EXPECT_EQ(drawn({12, 4, 4}, 1.2, 1.5, false), "450,792 ___|450,780  12|480,912  4|645,852 =");
}

// The other kinds' signs, the answers' places and the rule of a longer divisor: one drawn
// text each (its index, text and, where given, x in dots).
TEST_F(Cell, OtherKindsAndAnswers) {
    const struct {
        Problem problem;
        double anchorX, topY;
        std::size_t index;
        const char* text;
        int x;
    } cases[] = {
        {{12, 4, 2}, 1.2, 1.5, 2, "-  4", 0},   {{12, 4, 2}, 1.2, 1.5, 3, "8", 570},
        {{12, 11, 3}, 2.2, 2.4, 2, "x  11", 0}, {{12, 11, 3}, 2.2, 2.4, 3, "132", 1050},
        {{56, 8, 4}, 1.2, 1.5, 3, "=7", 0},     {{0, 12, 4}, 1.2, 1.5, 0, "___", 0},
        {{0, 12, 4}, 1.2, 1.5, 3, "=0", 0},
    };
    for (const auto& c : cases) {
        drawn(c.problem, c.anchorX, c.topY, true);
        ASSERT_EQ(device.drawn.size(), 4u) << c.text;
        EXPECT_EQ(device.drawn[c.index].text, c.text);
        if (c.x != 0) {
            EXPECT_EQ(device.drawn[c.index].x, c.x) << c.text;
        }
    }
}

} // namespace
