#include "common/PixelRect.h"

namespace {
// Half of a difference, rounded to the nearest whole pixel (halves away from zero).
int halfRounded(long long difference) {
    return static_cast<int>(difference >= 0 ? (difference + 1) / 2 : -((-difference + 1) / 2));
}
} // namespace

PixelRect centredIn(const PixelRect& area, int width, int height) {
    const int left = area.x + halfRounded(static_cast<long long>(area.width) - width);
    const int top = area.y + halfRounded(static_cast<long long>(area.height) - height);
    return PixelRect{left, top, width, height};
}
