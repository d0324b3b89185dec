#include "dialogs/MessageLayout.h"
#include "dialogs/MessageText.h"

#include <gtest/gtest.h>

namespace {
constexpr int information = 64;
constexpr int question = 32;

const ScreenRect screen{0, 0, 1024, 768};

MessagePlacement at(int x, int y) {
    MessagePlacement placement;
    placement.x = x;
    placement.y = y;
    placement.screen = screen;
    return placement;
}

MessageLayout layoutAt(const std::vector<int>& widths, int style, int x = 5, int y = 5) {
    return layoutMessage(widths, style, messageLineHeight, at(x, y));
}
} // namespace

TEST(MessageText, SplitsAtCarriageReturnLineFeedOnly) {
    EXPECT_EQ(messageLines("\r\n  Correct answer is:  14"),
              (std::vector<std::string>{"", "  Correct answer is:  14"}));
    EXPECT_EQ(messageLines(""), (std::vector<std::string>{""}));
    EXPECT_EQ(messageLines("a\nb\rc"), (std::vector<std::string>{"a\nb\rc"}));
    EXPECT_EQ(messageLines("one\r\ntwo\r\n"), (std::vector<std::string>{"one", "two", ""}));
    EXPECT_EQ(withLineFeeds("Percent correct = 85.00\r\n 17 Correct out of 20"),
              "Percent correct = 85.00\n 17 Correct out of 20");
}

TEST(MessageLayout, OneShortLineGetsTheSmallestWindowWithOkAt30) {
    const MessageLayout layout = layoutAt({100}, information);
    EXPECT_EQ(layout.window.width, 220);
    EXPECT_EQ(layout.window.height, 120);
    EXPECT_EQ(layout.margin, 50);
    EXPECT_EQ(layout.label, (ScreenRect{50, 5, 100, 15}));
    ASSERT_EQ(layout.buttons.size(), 1u);
    EXPECT_EQ(layout.buttons[0].id, MessageControlId::SingleOk);
    EXPECT_EQ(layout.buttons[0].text, "&Ok");
    EXPECT_EQ(layout.buttons[0].rect, (ScreenRect{30, 50, 80, 30}));
    EXPECT_TRUE(layout.buttons[0].isDefault);
}

TEST(MessageLayout, WidthFollowsTheWidestLineAndHeightTheLineCount) {
    const MessageLayout three = layoutAt({120, 300, 40}, information);
    EXPECT_EQ(three.window.width, 360);  // 50 + 300 + 10
    EXPECT_EQ(three.window.height, 120); // 3 x 20 + 55 = 115 is below the smallest height
    EXPECT_EQ(three.label, (ScreenRect{50, 5, 300, 45}));

    const MessageLayout six = layoutAt({10, 10, 10, 10, 10, 10}, information);
    EXPECT_EQ(six.window.height, 175); // 6 x 20 + 55
    EXPECT_EQ(six.buttons[0].rect.y, 105);
    EXPECT_LE(six.label.y + six.label.height, six.buttons[0].rect.y);
}

TEST(MessageLayout, NarrowMarginUpToStyleSix) {
    EXPECT_EQ(layoutAt({300}, 6).margin, 10);
    EXPECT_EQ(layoutAt({300}, 6).window.width, 320); // 10 + 300 + 10
    EXPECT_EQ(layoutAt({300}, 7).margin, 50);
    EXPECT_EQ(layoutAt({300}, 0).label.x, 10);
}

TEST(MessageLayout, TallerFontLinesKeepTheTextAboveTheButtons) {
    // With the worked line height the sizes are exactly the plain arithmetic.
    for (int lines = 1; lines <= 12; ++lines) {
        const MessageLayout layout = layoutAt(std::vector<int>(lines, 50), information);
        EXPECT_EQ(layout.window.height, std::max(120, lines * 20 + 55)) << lines;
    }
    const MessageLayout tall = layoutMessage({50, 50, 50}, information, 18, at(5, 5));
    EXPECT_EQ(tall.label.height, 54);
    EXPECT_EQ(tall.window.height, 129); // 5 + 54 + 70
    EXPECT_EQ(tall.label.y + tall.label.height, tall.buttons[0].rect.y);

    const MessageLayout twoLines = layoutMessage({50, 50}, information, 17, at(5, 5));
    EXPECT_EQ(twoLines.label.height, 34);
    EXPECT_EQ(twoLines.window.height, 120);
}

TEST(MessageLayout, ButtonSetsFollowStyleModSixteen) {
    const auto yesNoCancel = messageButtons(question + 3, 120);
    ASSERT_EQ(yesNoCancel.size(), 3u);
    EXPECT_EQ(yesNoCancel[0].text, "&Yes");
    EXPECT_EQ(yesNoCancel[0].rect, (ScreenRect{10, 50, 60, 30}));
    EXPECT_EQ(yesNoCancel[0].result, messageResultYes);
    EXPECT_TRUE(yesNoCancel[0].isDefault);
    EXPECT_EQ(yesNoCancel[1].id, MessageControlId::Second);
    EXPECT_EQ(yesNoCancel[1].text, "&No");
    EXPECT_EQ(yesNoCancel[1].rect, (ScreenRect{75, 50, 60, 30}));
    EXPECT_EQ(yesNoCancel[1].result, messageResultNo);
    EXPECT_FALSE(yesNoCancel[1].isDefault);
    EXPECT_EQ(yesNoCancel[2].id, MessageControlId::Third);
    EXPECT_EQ(yesNoCancel[2].text, "Cancel");
    EXPECT_EQ(yesNoCancel[2].rect, (ScreenRect{140, 50, 60, 30}));
    EXPECT_EQ(yesNoCancel[2].result, messageResultCancel);

    const auto yesNo = messageButtons(4, 150);
    ASSERT_EQ(yesNo.size(), 2u);
    EXPECT_EQ(yesNo[0].result, messageResultYes);
    EXPECT_EQ(yesNo[1].result, messageResultNo);
    EXPECT_EQ(yesNo[1].rect.y, 80);

    const auto okCancel = messageButtons(16 + 1, 120);
    ASSERT_EQ(okCancel.size(), 2u);
    EXPECT_EQ(okCancel[0].text, "&Ok");
    EXPECT_EQ(okCancel[0].result, messageResultOk);
    EXPECT_EQ(okCancel[1].text, "&Cancel");
    EXPECT_EQ(okCancel[1].result, messageResultCancel);

    for (int style : {0, 2, 5, 64, 48 + 15}) {
        const auto single = messageButtons(style, 120);
        ASSERT_EQ(single.size(), 1u) << style;
        EXPECT_EQ(single[0].id, MessageControlId::SingleOk);
        EXPECT_EQ(single[0].result, messageResultOk);
    }
}

TEST(MessageLayout, EscapeGivesNoExceptInTheOkCancelSet) {
    EXPECT_EQ(messageEscapeResult(64), messageResultNo);
    EXPECT_EQ(messageEscapeResult(32 + 3), messageResultNo);
    EXPECT_EQ(messageEscapeResult(4), messageResultNo);
    EXPECT_EQ(messageEscapeResult(1), messageResultCancel);
}

TEST(MessageLayout, GivenPointIsHeldOnTheScreen) {
    EXPECT_EQ(layoutAt({100}, information, -20, 40).window, (ScreenRect{0, 40, 220, 120}));
    EXPECT_EQ(layoutAt({100}, information, 350, 250).window, (ScreenRect{350, 250, 220, 120}));
    EXPECT_EQ(layoutAt({100}, information, 0, 30).window, (ScreenRect{0, 30, 220, 120}));
    EXPECT_EQ(layoutAt({100}, information, -5, -5).window, (ScreenRect{0, 0, 220, 120}));
}

TEST(MessageLayout, NoPointCentresOverTheOwnerOrElseTheScreen) {
    MessagePlacement overOwner = at(0, 0);
    overOwner.owner = ScreenRect{100, 50, 501, 400};
    EXPECT_EQ(layoutMessage({100}, information, 15, overOwner).window,
              (ScreenRect{241, 190, 220, 120})); // 100 + 281 / 2 rounded, 50 + 140

    EXPECT_EQ(layoutMessage({100}, information, 15, at(0, 0)).window,
              (ScreenRect{402, 324, 220, 120}));
}

TEST(ScreenRect, CentredInRoundsHalvesAwayFromTheCorner) {
    EXPECT_EQ(centredIn(ScreenRect{0, 0, 300, 200}, 100, 100), (ScreenRect{100, 50, 100, 100}));
    EXPECT_EQ(centredIn(ScreenRect{10, 20, 101, 101}, 100, 100), (ScreenRect{11, 21, 100, 100}));
    EXPECT_EQ(centredIn(ScreenRect{0, 0, 100, 100}, 201, 101), (ScreenRect{-51, -1, 201, 101}));
}
