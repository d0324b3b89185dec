// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/GrowRects.h"

#include <gtest/gtest.h>

namespace {
struct GrowCase {
    const char* what;
    std::vector<GrowingControl> controls;
    std::vector<QRect> placed;
    QSize window;
};
} // namespace

// A window of 300 x 200 with a label and a box beside it, a row below them, and a frame
// holding two options: each case grows one control and says where everything goes.
TEST(GrowRects, ControlsGrowAndPushTheirNeighbours) {
    const QRect label(20, 20, 100, 20), box(130, 20, 50, 20), below(20, 60, 160, 20);
    const QRect frame(200, 10, 90, 60), option(210, 20, 70, 15), option2(210, 40, 70, 15);
    const GrowCase cases[] = {
        {"everything fits: nothing moves",
         {{label, {90, 15}}, {box, {0, 18}}, {below, {}}},
         {label, box, below},
         {300, 200}},
        {"a wider label pushes the box beside it, not the row below",
         {{label, {130, 15}}, {box, {}}, {below, {}}},
         {{20, 20, 130, 20}, {160, 20, 50, 20}, below},
         {300, 200}},
        {"a taller label pushes the row below, keeping the gap",
         {{label, {100, 36}}, {box, {}}, {below, {}}},
         {{20, 20, 100, 36}, box, {20, 76, 160, 20}},
         {300, 200}},
        {"a control drawn in line with a pushed one moves with it",
         {{label, {100, 36}}, {below, {}}, {{200, 60, 50, 20}, {}}},
         {{20, 20, 100, 36}, {20, 76, 160, 20}, {200, 76, 50, 20}},
         {300, 200}},
        {"the window widens, keeping its margin",
         {{label, {}}, {box, {}}, {below, {300, 20}}},
         {label, box, {20, 60, 300, 20}},
         {330, 200}},
        {"a frame grows to hold a grown option and the window with it",
         {{frame, {}}, {option, {100, 15}}, {option2, {}}},
         {{200, 10, 120, 60}, {210, 20, 100, 15}, option2},
         {330, 200}},
        {"a control left of a frame pushes the frame and what it holds",
         {{label, {200, 15}}, {frame, {}}, {option, {}}},
         {{20, 20, 200, 20}, {300, 10, 90, 60}, {310, 20, 70, 15}},
         {400, 200}},
    };
    for (const GrowCase& test : cases) {
        const GrownPlacement grown = growPlacement(test.controls, {300, 200});
        EXPECT_EQ(grown.rects, test.placed) << test.what;
        EXPECT_EQ(grown.windowSize, test.window) << test.what;
    }
}

// A strip across the window widens with it; a wrapping text takes the height of its width.
TEST(GrowRects, SpanningAndWrappingControlsFollowTheirWidth) {
    const std::vector<GrowingControl> controls = {
        {{0, 0, 298, 30}, {}},
        {{10, 40, 100, 20}, {320, 15}},
        {{10, 70, 200, 20}, {}, true},
    };
    const auto heightAt = [](std::size_t, int width) { return 4000 / width; };
    const GrownPlacement grown = growPlacement(controls, {300, 100}, heightAt);
    const std::vector<QRect> placed = {{0, 0, 338, 30}, {10, 40, 320, 20}, {10, 70, 200, 20}};
    EXPECT_EQ(grown.rects, placed);
    const std::vector<GrowingControl> narrow = {{{10, 10, 40, 20}, {}, true}};
    EXPECT_EQ(growPlacement(narrow, {100, 50}, heightAt).rects.front(), QRect(10, 10, 40, 100));
}
