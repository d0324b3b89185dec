#include "report/TabStops.h"

namespace {
// a * b / c rounded to the nearest whole number, halves away from zero; c must be > 0.
int scaleRounded(long long a, long long b, long long c) {
    const long long product = a * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}
} // namespace

int tabStopUnits(int pixels, int averageCharWidth) {
    const int width = averageCharWidth > 0 ? averageCharWidth : 4;
    return scaleRounded(pixels, 4, width);
}

int tabStopPixels(int units, int averageCharWidth) {
    const int width = averageCharWidth > 0 ? averageCharWidth : 4;
    return scaleRounded(units, width, 4);
}

int averageCharWidth(int widthOfFiftyTwoLetters) {
    return scaleRounded(widthOfFiftyTwoLetters, 1, 52);
}
