// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/ControlIds.h"

#include <QRect>
#include <QString>

#include <optional>
#include <vector>

// Results of the message window, the values the platform's message box returns.
constexpr int messageResultOk = 1;
constexpr int messageResultCancel = 2;
constexpr int messageResultYes = 6;
constexpr int messageResultNo = 7;

// The height of one line of the label in the window's arithmetic.
constexpr int messageLineHeight = 15;

struct MessageButton {
    MessageControlId id = MessageControlId::SingleOk;
    QString text;
    QRect rect; // client coordinates
    int result = messageResultOk;
    bool isDefault = false;
};

// Where the window goes: a screen point (both 0 = centre it), the rectangle of the window
// that owns it (none when no window is active) and the screen's rectangle.
struct MessagePlacement {
    int x = 0;
    int y = 0;
    std::optional<QRect> owner;
    QRect screen;
};

struct MessageLayout {
    int margin = 0; // left margin of the text
    QRect window;   // outer rectangle on the screen, frame and caption bar included
    QRect label;    // the text, client coordinates
    std::vector<MessageButton> buttons;
    int escapeResult = messageResultNo;
};

// The buttons for a style (style mod 16 picks the set) in a window of the given outer
// height; every button stands at y = height - 70.
std::vector<MessageButton> messageButtons(int style, int windowHeight);

// What Esc returns: Cancel in the Ok/Cancel set, No in every other set.
int messageEscapeResult(int style);

// Lays out the window for lines of the given pixel widths. lineHeight is the height of one
// line in the font the label draws with; at least messageLineHeight is used, and the window
// grows only when the text would otherwise reach below the top of the buttons.
MessageLayout layoutMessage(const std::vector<int>& lineWidths, int style, int lineHeight,
                            const MessagePlacement& placement);
