// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

// A window drawn at fixed rectangles for English at the default font grows where a control
// needs more room for its text (a longer translation, a larger font): the control grows to
// the size it needs, and every control it would then cover moves away by as much, keeping
// the gap the drawing had between them. Controls that do not grow keep their place, so a
// window whose texts all fit stays exactly as drawn.
struct GrowingControl {
    QRect drawn;        // where the drawing puts it, in the window's client area
    QSize needed;       // the size its text needs at the drawn width (0: never smaller)
    bool wraps = false; // its height follows its width (heightForWidth)
};

struct GrownPlacement {
    std::vector<QRect> rects; // in the order of the controls
    QSize windowSize;
};

// `heightAt(i, width)` gives a wrapping control's height at a width. A control that holds
// others in its drawn rectangle (a frame, a strip behind buttons) grows to keep holding them
// with the margins it had; a control drawn across the whole window (a strip, a list) widens
// with it.
GrownPlacement growPlacement(const std::vector<GrowingControl>& controls, QSize drawnSize,
                             const std::function<int(std::size_t, int)>& heightAt = nullptr);
