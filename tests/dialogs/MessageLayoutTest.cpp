// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MessageLayout.h"

#include <gtest/gtest.h>

namespace {
constexpr int information = 64;

MessageLayout layoutAt(const std::vector<int>& widths, int style, int x = 5, int y = 5,
                       int lineHeight = messageLineHeight) {
    MessagePlacement placement;
    placement.x = x;
    placement.y = y;
    placement.screen = QRect(0, 0, 1024, 768);
    return layoutMessage(widths, style, lineHeight, placement);
}

// "9991 &Yes 10,50 60x30 =6 default": id, text, rectangle, result and default look.
std::vector<std::string> described(const std::vector<MessageButton>& buttons) {
    std::vector<std::string> texts;
    for (const MessageButton& b : buttons) {
        texts.push_back(std::to_string(static_cast<int>(b.id)) + " " + b.text.toStdString() + " " +
                        std::to_string(b.rect.x()) + "," + std::to_string(b.rect.y()) + " " +
                        std::to_string(b.rect.width()) + "x" + std::to_string(b.rect.height()) +
                        " =" + std::to_string(b.result) + (b.isDefault ? " default" : ""));
    }
    return texts;
}
} // namespace

TEST(MessageLayout, SizeFollowsTheWidestLineTheLineCountAndTheMargin) {
    struct Case {
        std::vector<int> widths;
        int style;
        int lineHeight;
        QRect window; // at (5, 5)
        QRect label;
    };
    const Case cases[] = {
        {{100}, information, 15, {5, 5, 220, 120}, {50, 5, 100, 15}},
        {{120, 300, 40}, information, 15, {5, 5, 360, 120}, {50, 5, 300, 45}}, // 115 is too low
        {{10, 10, 10, 10, 10, 10}, information, 15, {5, 5, 220, 175}, {50, 5, 10, 90}},
        {{300}, 6, 15, {5, 5, 320, 120}, {10, 5, 300, 15}}, // the narrow margin up to style 6
        {{300}, 7, 15, {5, 5, 360, 120}, {50, 5, 300, 15}},
        {{50, 50, 50}, information, 18, {5, 5, 220, 129}, {50, 5, 50, 54}}, // 5 + 54 + 70
        {{50, 50}, information, 17, {5, 5, 220, 120}, {50, 5, 50, 34}}};
    for (const Case& c : cases) {
        const MessageLayout layout = layoutAt(c.widths, c.style, 5, 5, c.lineHeight);
        EXPECT_EQ(layout.window, c.window) << c.widths.size() << " lines, style " << c.style;
        EXPECT_EQ(layout.label, c.label) << c.widths.size() << " lines, style " << c.style;
        EXPECT_EQ(layout.margin, c.label.x());
        ASSERT_FALSE(layout.buttons.empty());
        EXPECT_EQ(layout.buttons[0].rect.y(), c.window.height() - 70);
        EXPECT_LE(c.label.y() + c.label.height(), layout.buttons[0].rect.y()); // text above buttons
    }
}

TEST(MessageLayout, ButtonSetsAndEscapeFollowStyleModSixteen) {
    struct Case {
        int style;
        int height;
        std::vector<std::string> buttons;
        int escape;
    };
    const std::vector<std::string> singleOk{"9994 &Ok 30,50 80x30 =1 default"};
    const Case cases[] = {
        {32 + 3,
         120,
         {"9991 &Yes 10,50 60x30 =6 default", "9992 &No 75,50 60x30 =7",
          "9993 Cancel 140,50 60x30 =2"},
         messageResultNo},
        {4, 150, {"9991 &Yes 10,80 60x30 =6 default", "9992 &No 75,80 60x30 =7"}, messageResultNo},
        {16 + 1,
         120,
         {"9991 &Ok 10,50 60x30 =1 default", "9992 &Cancel 75,50 60x30 =2"},
         messageResultCancel},
        {0, 120, singleOk, messageResultNo},
        {64, 120, singleOk, messageResultNo},
        {48 + 15, 120, singleOk, messageResultNo}};
    for (const Case& c : cases) {
        EXPECT_EQ(described(messageButtons(c.style, c.height)), c.buttons) << c.style;
        EXPECT_EQ(messageEscapeResult(c.style), c.escape) << c.style;
    }
}

TEST(MessageLayout, PlacementHoldsAGivenPointOnTheScreenOrCentres) {
    EXPECT_EQ(layoutAt({100}, information, -20, 40).window, (QRect(0, 40, 220, 120)));
    EXPECT_EQ(layoutAt({100}, information, 350, 250).window, (QRect(350, 250, 220, 120)));
    EXPECT_EQ(layoutAt({100}, information, 0, 30).window, (QRect(0, 30, 220, 120)));
    EXPECT_EQ(layoutAt({100}, information, -5, -5).window, (QRect(0, 0, 220, 120)));
    EXPECT_EQ(layoutAt({100}, information, 0, 0).window, (QRect(402, 324, 220, 120)));
    MessagePlacement overOwner;
    overOwner.screen = QRect(0, 0, 1024, 768);
    overOwner.owner = QRect(100, 50, 501, 400);
    EXPECT_EQ(layoutMessage({100}, information, 15, overOwner).window,
              (QRect(241, 190, 220, 120)));  // 100 + 281 / 2 rounded up, 50 + 140
    overOwner.owner = QRect(10, 20, 19, 21); // a half pixel rounds away from the corner
    EXPECT_EQ(layoutMessage({100}, information, 15, overOwner).window, QRect(-91, -30, 220, 120));
}
