// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// The layouts were drawn for a narrower face than the program's 10-point sans, so a few
// texts are wider than the room their control leaves them. Such a text keeps its face and
// size but is drawn condensed, just enough to fit.

inline constexpr int fullStretch = 100;
inline constexpr int narrowestStretch = 70;

// The font stretch (percent) that fits a text into availableWidth pixels, given the text's
// width at a stretch: 100 when it fits already, otherwise the largest whole percent whose
// width fits, but never below narrowestStretch. Widths are measured, not scaled, because
// hinted glyphs do not narrow in proportion.
int stretchToFit(const std::function<int(int stretch)>& widthAt, int availableWidth);
