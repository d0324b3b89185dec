// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MessageLayout.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
constexpr int minimumWidth = 220;
constexpr int minimumHeight = 120;
constexpr int buttonHeight = 30;
constexpr int buttonsFromBottom = 70;
constexpr int labelTop = 5;
constexpr int rightMargin = 10;
constexpr int narrowMargin = 10;
constexpr int wideMargin = 50;
constexpr int widerStylesAbove = 6;
constexpr int buttonSetModulus = 16;
constexpr int setOkCancel = 1;
constexpr int setYesNoCancel = 3;
constexpr int setYesNo = 4;

int buttonSet(int style) {
    return style % buttonSetModulus;
}

// Half of a difference, rounded to the nearest whole pixel (halves away from zero).
int halfRounded(long long difference) {
    return static_cast<int>(difference >= 0 ? (difference + 1) / 2 : -((-difference + 1) / 2));
}

// The window of the given size centred over an area; a half pixel is rounded away from the
// area's top-left corner (QRect::moveCenter rounds it towards the corner).
QRect centredIn(const QRect& area, int width, int height) {
    const int left = area.x() + halfRounded(static_cast<long long>(area.width()) - width);
    const int top = area.y() + halfRounded(static_cast<long long>(area.height()) - height);
    return QRect(left, top, width, height);
}

MessageButton button(MessageControlId id, const char* text, int x, int width, int y, int result,
                     bool isDefault) {
    return MessageButton{id, QCoreApplication::translate("MessageWindow", text),
                         QRect(x, y, width, buttonHeight), result, isDefault};
}

QRect placeWindow(const MessagePlacement& placement, int width, int height) {
    if (placement.x != 0 || placement.y != 0) {
        return QRect(std::max(placement.x, 0), std::max(placement.y, 0), width, height);
    }
    return centredIn(placement.owner.value_or(placement.screen), width, height);
}
} // namespace

std::vector<MessageButton> messageButtons(int style, int windowHeight) {
    const int y = windowHeight - buttonsFromBottom;
    using Id = MessageControlId;
    switch (buttonSet(style)) {
    case setYesNoCancel:
        return {button(Id::First, QT_TRANSLATE_NOOP("MessageWindow", "&Yes"), 10, 60, y,
                       messageResultYes, true),
                button(Id::Second, QT_TRANSLATE_NOOP("MessageWindow", "&No"), 75, 60, y,
                       messageResultNo, false),
                button(Id::Third, QT_TRANSLATE_NOOP("MessageWindow", "Cancel"), 140, 60, y,
                       messageResultCancel, false)};
    case setYesNo:
        return {button(Id::First, QT_TRANSLATE_NOOP("MessageWindow", "&Yes"), 10, 60, y,
                       messageResultYes, true),
                button(Id::Second, QT_TRANSLATE_NOOP("MessageWindow", "&No"), 75, 60, y,
                       messageResultNo, false)};
    case setOkCancel:
        return {button(Id::First, QT_TRANSLATE_NOOP("MessageWindow", "&Ok"), 10, 60, y,
                       messageResultOk, true),
                button(Id::Second, QT_TRANSLATE_NOOP("MessageWindow", "&Cancel"), 75, 60, y,
                       messageResultCancel, false)};
    default:
        return {button(Id::SingleOk, QT_TRANSLATE_NOOP("MessageWindow", "&Ok"), 30, 80, y,
                       messageResultOk, true)};
    }
}

int messageEscapeResult(int style) {
    return buttonSet(style) == setOkCancel ? messageResultCancel : messageResultNo;
}

MessageLayout layoutMessage(const std::vector<int>& lineWidths, int style, int lineHeight,
                            const MessagePlacement& placement) {
    const int lineCount = std::max(1, static_cast<int>(lineWidths.size()));
    const int widest =
        lineWidths.empty() ? 0 : *std::max_element(lineWidths.begin(), lineWidths.end());
    MessageLayout layout;
    layout.margin = style > widerStylesAbove ? wideMargin : narrowMargin;
    const int labelHeight = lineCount * std::max(lineHeight, messageLineHeight);
    layout.label = QRect(layout.margin, labelTop, widest, labelHeight);

    const int width = std::max(minimumWidth, layout.margin + widest + rightMargin);
    const int height =
        std::max({minimumHeight, lineCount * 20 + 55, labelTop + labelHeight + buttonsFromBottom});
    layout.window = placeWindow(placement, width, height);
    layout.buttons = messageButtons(style, height);
    layout.escapeResult = messageEscapeResult(style);
    return layout;
}
