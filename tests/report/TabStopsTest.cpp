#include "report/TabStops.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(TabStops, PixelsBecomeQuartersOfTheAverageWidthRounded) {
    EXPECT_EQ(tabStopUnits(100, 4), 100);
    EXPECT_EQ(tabStopUnits(100, 8), 50);
    EXPECT_EQ(tabStopUnits(5, 6), 3);     // 3.33
    EXPECT_EQ(tabStopUnits(100, 7), 57);  // 57.14
    EXPECT_EQ(tabStopUnits(180, 7), 103); // 102.86
    EXPECT_EQ(tabStopUnits(5, 8), 3);     // 2.5 rounds up
    EXPECT_EQ(tabStopUnits(0, 7), 0);
    EXPECT_EQ(tabStopUnits(100, 0), 100); // a non-positive width still gives defined stops
    EXPECT_EQ(tabStopPixels(100, -3), 100);
    EXPECT_EQ(tabStopPixels(57, 7), 100); // 99.75
    EXPECT_EQ(tabStopPixels(3, 6), 5);    // 4.5 rounds up
}

TEST(TabStops, UnitsBackToPixelsLandWithinAnEighthOfAWidth) {
    for (int average = 5; average <= 12; ++average) {
        for (int pixels : reportTabStopPixels) {
            const int back = tabStopPixels(tabStopUnits(pixels, average), average);
            EXPECT_LE(std::abs(back - pixels), (average + 7) / 8)
                << pixels << " px at width " << average;
        }
    }
}

TEST(TabStops, AverageWidthIsTheLetterWidthOverFiftyTwoRounded) {
    EXPECT_EQ(averageCharWidth(364), 7);
    EXPECT_EQ(averageCharWidth(389), 7); // 7.48
    EXPECT_EQ(averageCharWidth(390), 8); // 7.5
    EXPECT_EQ(averageCharWidth(0), 0);
}
