// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/StretchToFit.h"

#include <gtest/gtest.h>

namespace {
// A text whose width narrows in proportion to the stretch, rounded up to whole pixels.
std::function<int(int)> proportional(int fullWidth) {
    return [fullWidth](int stretch) { return (fullWidth * stretch + 99) / 100; };
}
} // namespace

// Texts that fit keep their width; wider ones are condensed just enough, down to a limit.
TEST(StretchToFit, CondensedJustEnoughDownToALimit) {
    const std::array<int, 3> cases[] = {
        // full width, room, stretch
        {150, 180, 100}, {180, 180, 100}, {0, 180, 100},   {50, 0, 100}, {192, 178, 92},
        {200, 100, 70},  {27, 20, 74},    {1000000, 1, 70}}; // 192 x 92 % = 176 fits, 93 % not
    for (const auto& [width, room, stretch] : cases) {
        EXPECT_EQ(stretchToFit(proportional(width), room), stretch) << width << " in " << room;
    }
}

TEST(StretchToFit, MeasuredWidthsDecideNotTheProportion) {
    // Hinting keeps the width at 190 down to 91 %, then it drops to 170.
    const auto stepped = [](int stretch) { return stretch > 90 ? 190 : 170; };
    EXPECT_EQ(stretchToFit(stepped, 178), 90);
}
