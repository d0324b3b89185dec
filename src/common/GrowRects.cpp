// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/GrowRects.h"

#include <algorithm>

namespace {
// The room a window keeps right and below of its controls when it grows for them.
constexpr int windowMargin = 10;
// A control reaching this close to both edges of the window spans it and widens with it.
constexpr int spanningMargin = 4;
// Fixed-point passes of the push: more than enough for the few levels of frames a window has.
constexpr int maxPasses = 8;

// One axis of the placement: start and extent of every control along it, as drawn and as
// grown, so the horizontal and vertical passes share the same code.
struct Axis {
    std::vector<int> drawnStart, drawnEnd, shift, grow;
};

bool overlaps(int aStart, int aEnd, int bStart, int bEnd) {
    return aStart < bEnd && bStart < aEnd;
}

bool holds(const QRect& outer, const QRect& inner) {
    return outer != inner && outer.contains(inner);
}

// Moves every control past the ones drawn before it on the axis that overlap it across the
// axis (`across(i, j)`), keeps controls drawn in line in line, and widens holders to keep
// holding what they held.
void push(Axis& axis, const std::vector<QRect>& drawn,
          const std::function<bool(std::size_t, std::size_t)>& across) {
    const std::size_t count = drawn.size();
    for (int pass = 0; pass < maxPasses; ++pass) {
        bool changed = false;
        for (std::size_t i = 0; i < count; ++i) {
            int shift = 0;
            for (std::size_t j = 0; j < count; ++j) {
                if (axis.drawnEnd[j] <= axis.drawnStart[i] && across(i, j)) {
                    shift = std::max(shift, axis.shift[j] + axis.grow[j]);
                }
            }
            for (std::size_t j = 0; j < count; ++j) {
                // What it sits in moves it; what is drawn in line with it (a row of buttons,
                // a column of options) stays in line.
                const bool inLine = axis.drawnStart[j] == axis.drawnStart[i] &&
                                    axis.drawnEnd[j] == axis.drawnEnd[i];
                if (holds(drawn[j], drawn[i]) || inLine) {
                    shift = std::max(shift, axis.shift[j]);
                }
            }
            if (shift != axis.shift[i]) {
                axis.shift[i] = shift;
                changed = true;
            }
            int grow = axis.grow[i];
            for (std::size_t j = 0; j < count; ++j) {
                if (holds(drawn[i], drawn[j])) {
                    grow = std::max(grow, axis.shift[j] + axis.grow[j] - axis.shift[i]);
                }
            }
            if (grow != axis.grow[i]) {
                axis.grow[i] = grow;
                changed = true;
            }
        }
        if (!changed) {
            break;
        }
    }
}

int grownExtent(const Axis& axis, int drawnExtent) {
    int extent = drawnExtent;
    for (std::size_t i = 0; i < axis.drawnEnd.size(); ++i) {
        const int margin = std::clamp(drawnExtent - axis.drawnEnd[i], 0, windowMargin);
        extent = std::max(extent, axis.drawnEnd[i] + axis.shift[i] + axis.grow[i] + margin);
    }
    return extent;
}

Axis horizontalAxis(const std::vector<GrowingControl>& controls) {
    Axis axis;
    for (const GrowingControl& control : controls) {
        axis.drawnStart.push_back(control.drawn.left());
        axis.drawnEnd.push_back(control.drawn.left() + control.drawn.width());
        axis.shift.push_back(0);
        axis.grow.push_back(std::max(0, control.needed.width() - control.drawn.width()));
    }
    return axis;
}
} // namespace

GrownPlacement growPlacement(const std::vector<GrowingControl>& controls, QSize drawnSize,
                             const std::function<int(std::size_t, int)>& heightAt) {
    const std::size_t count = controls.size();
    std::vector<QRect> drawn;
    for (const GrowingControl& control : controls) {
        drawn.push_back(control.drawn);
    }
    Axis across = horizontalAxis(controls);
    push(across, drawn, [&drawn](std::size_t i, std::size_t j) {
        return overlaps(drawn[i].top(), drawn[i].bottom() + 1, drawn[j].top(),
                        drawn[j].bottom() + 1);
    });
    const int width = grownExtent(across, drawnSize.width());
    for (std::size_t i = 0; i < count; ++i) {
        const bool spans = across.drawnStart[i] <= spanningMargin &&
                           drawnSize.width() - across.drawnEnd[i] <= spanningMargin;
        if (spans && width > drawnSize.width()) {
            across.grow[i] = width - drawnSize.width() - across.shift[i];
        }
    }
    std::vector<int> left(count), right(count);
    Axis down;
    for (std::size_t i = 0; i < count; ++i) {
        left[i] = across.drawnStart[i] + across.shift[i];
        right[i] = across.drawnEnd[i] + across.shift[i] + across.grow[i];
        const int grownWidth = right[i] - left[i];
        int neededHeight = controls[i].needed.height();
        if (controls[i].wraps && heightAt) {
            neededHeight = heightAt(i, grownWidth);
        }
        down.drawnStart.push_back(drawn[i].top());
        down.drawnEnd.push_back(drawn[i].top() + drawn[i].height());
        down.shift.push_back(0);
        down.grow.push_back(std::max(0, neededHeight - drawn[i].height()));
    }
    push(down, drawn, [&left, &right](std::size_t i, std::size_t j) {
        return overlaps(left[i], right[i], left[j], right[j]);
    });
    GrownPlacement placement;
    placement.windowSize = QSize(width, grownExtent(down, drawnSize.height()));
    for (std::size_t i = 0; i < count; ++i) {
        placement.rects.emplace_back(left[i], drawn[i].top() + down.shift[i], right[i] - left[i],
                                     drawn[i].height() + down.grow[i]);
    }
    return placement;
}
