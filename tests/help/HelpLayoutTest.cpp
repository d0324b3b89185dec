#include "help/HelpLayout.h"

#include <gtest/gtest.h>

TEST(HelpLayout, OpeningSizeGivesTheDocumentedSizes) {
    const HelpLayout layout = resizedHelpLayout(initialHelpLayout(), 640, 370);
    EXPECT_EQ(layout.heading, (PixelRect{250, 5, 358, 23}));
    EXPECT_EQ(layout.band, (PixelRect{250, 28, 358, 17}));
    EXPECT_EQ(layout.text, (PixelRect{250, 40, 375, 305}));
    EXPECT_EQ(layout.tree, (PixelRect{10, 5, 235, 330}));
    EXPECT_EQ(layout.bar, (PixelRect{245, 5, 5, 330}));
    EXPECT_EQ(layout.firstStatusFieldEnd, 415);
}

TEST(HelpLayout, TinyWindowNeverGivesNegativeSizes) {
    const HelpLayout layout = resizedHelpLayout(initialHelpLayout(), 100, 20);
    EXPECT_EQ(layout.heading.width, 0);
    EXPECT_EQ(layout.text.width, 0);
    EXPECT_EQ(layout.text.height, 0);
    EXPECT_EQ(layout.tree.height, 0);
    EXPECT_EQ(layout.bar.height, 0);
}

TEST(HelpLayout, DraggingTheBarShiftsTheWidthBetweenTreeAndText) {
    const HelpLayout start = resizedHelpLayout(initialHelpLayout(), 640, 370);
    const HelpLayout moved = draggedHelpLayout(start, 50);
    EXPECT_EQ(moved.tree, (PixelRect{10, 5, 285, 330}));
    EXPECT_EQ(moved.heading, (PixelRect{300, 5, 308, 23}));
    EXPECT_EQ(moved.band, (PixelRect{300, 28, 308, 12}));
    EXPECT_EQ(moved.text, (PixelRect{300, 40, 325, 295}));
    EXPECT_EQ(moved.bar, (PixelRect{295, 5, 5, 330}));
    // After the drag, resizing keeps the bar where it was left.
    const HelpLayout resized = resizedHelpLayout(moved, 640, 370);
    EXPECT_EQ(resized.text.width, 325);
}

TEST(HelpLayout, DragIsBoundedAtBothSides) {
    const HelpLayout start = resizedHelpLayout(initialHelpLayout(), 640, 370);
    const HelpLayout farLeft = draggedHelpLayout(start, -1000);
    EXPECT_EQ(farLeft.tree.width, 0);
    EXPECT_EQ(farLeft.bar.x, 10);
    const HelpLayout farRight = draggedHelpLayout(start, 1000);
    EXPECT_EQ(farRight.heading.width, 0);
    EXPECT_GE(farRight.text.width, 0);
}
