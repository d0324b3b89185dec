#include "common/StretchToFit.h"

#include <gtest/gtest.h>

namespace {
// A text whose width narrows in proportion to the stretch, rounded up to whole pixels.
std::function<int(int)> proportional(int fullWidth) {
    return [fullWidth](int stretch) { return (fullWidth * stretch + 99) / 100; };
}
} // namespace

TEST(StretchToFit, TextsThatFitKeepTheirWidth) {
    EXPECT_EQ(stretchToFit(proportional(150), 180), 100);
    EXPECT_EQ(stretchToFit(proportional(180), 180), 100);
    EXPECT_EQ(stretchToFit(proportional(0), 180), 100);
    EXPECT_EQ(stretchToFit(proportional(50), 0), 100);
}

TEST(StretchToFit, WiderTextsAreCondensedJustEnoughDownToALimit) {
    EXPECT_EQ(stretchToFit(proportional(192), 178), 92); // 176 fits, 93 % gives 178.56
    EXPECT_EQ(stretchToFit(proportional(200), 100), 70);
    EXPECT_EQ(stretchToFit(proportional(27), 20), 74);
    EXPECT_EQ(stretchToFit(proportional(1000000), 1), 70);
}

TEST(StretchToFit, MeasuredWidthsDecideNotTheProportion) {
    // Hinting keeps the width at 190 down to 91 %, then it drops to 170.
    const auto stepped = [](int stretch) { return stretch > 90 ? 190 : 170; };
    EXPECT_EQ(stretchToFit(stepped, 178), 90);
    int measurements = 0;
    const auto counted = [&measurements](int) {
        ++measurements;
        return 500;
    };
    EXPECT_EQ(stretchToFit(counted, 100), 70);
    EXPECT_LE(measurements, 31);
}
