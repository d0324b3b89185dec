#pragma once

// A rectangle in pixels: the top-left corner and the size.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const ScreenRect&) const = default;
};

// The top-left corner that centres a window of the given size over an area; a half pixel
// is rounded away from the area's top-left corner.
ScreenRect centredIn(const ScreenRect& area, int width, int height);
