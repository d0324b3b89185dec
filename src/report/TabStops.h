#pragma once

#include <array>

// The report list's tab stops in pixels from its left edge: the date starts 5 pixels in and
// each result 20 pixels right of its heading's left edge.
inline constexpr std::array<int, 8> reportTabStopPixels = {5, 100, 180, 260, 340, 420, 500, 580};

// Pixels to tab-stop units (quarters of the average character width), rounded to the
// nearest unit. A width of 0 or less gives the pixels unchanged over four.
int tabStopUnits(int pixels, int averageCharWidth);

// Tab-stop units back to pixels, rounded to the nearest pixel: where a list that counts in
// units puts the stop on the screen.
int tabStopPixels(int units, int averageCharWidth);

// The average character width as dialogs measure it: the width of the 52 letters A-Z a-z
// over 52, rounded.
int averageCharWidth(int widthOfFiftyTwoLetters);
