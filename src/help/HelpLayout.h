#pragma once

#include "common/PixelRect.h"

// Where the help window's controls lie, in client pixels. Resizing and dragging the bar
// between tree and text change these; no size ever goes below 0.

struct HelpLayout {
    PixelRect tree;    // 101
    PixelRect heading; // 102
    PixelRect band;    // 103
    PixelRect text;    // 104
    PixelRect bar;     // 105
    int firstStatusFieldEnd = 0;
    bool operator==(const HelpLayout&) const = default;
};

inline constexpr int helpClientWidth = 640;
inline constexpr int helpClientHeight = 370;

// The controls as first placed, before the layout is fitted to the client size.
HelpLayout initialHelpLayout();

// The layout for a client size W x H: sizes follow the window, positions stay.
HelpLayout resizedHelpLayout(const HelpLayout& current, int clientWidth, int clientHeight);

// The layout while the bar is dragged by `shift` pixels from where the drag began
// (`atStart`), kept so that the tree and the text side both keep a width of at least 0.
HelpLayout draggedHelpLayout(const HelpLayout& atStart, int shift);

// The right edge of the status bar's first field: W x 0.65 rounded, minus 1.
int firstStatusFieldEnd(int clientWidth);
