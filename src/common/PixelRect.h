#pragma once

// A rectangle in pixels (on the screen or in a window's client area): the top-left corner
// and the size.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect&) const = default;
};

// The top-left corner that centres a window of the given size over an area; a half pixel
// is rounded away from the area's top-left corner.
PixelRect centredIn(const PixelRect& area, int width, int height);
