// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QString;
class QWidget;

// The smallest point size a fitted text is shrunk to.
inline constexpr double smallestFittedPointSize = 7.0;

// The windows were drawn for the English texts at the default text size, in a face a little
// narrower than the program's. In that case only, the windows keep the places they were drawn
// with, and a text wider than the room the drawing gives it is condensed to fit. In a
// translation or at a larger text size no text is condensed: it keeps its font and its control
// grows, moving its neighbours (GrowingLayout.h). On by default; the program turns it off when
// it speaks another language or shows larger text.
void setTextsAsDrawn(bool asDrawn);
bool textsAsDrawn();

// Texts are measured in the program's font, which can be wider than the one the rectangles
// were laid out for. When a control's text would be cut at its rectangle (or at `room`
// pixels, where a neighbouring control covers the rest of it), the font it inherits is first
// condensed (down to narrowestStretch, see StretchToFit.h), and only when that is not enough
// also made smaller (down to smallestFittedPointSize). The room a text needs is a label's or
// button's size hint, or a line edit's text plus its frame and margins. A word-wrapped label
// wraps instead and keeps the inherited font.
void fitText(QWidget* control, int room = -1);

// The same, starting from the given font instead of the inherited one (a control with a font
// of its own, such as the main window's large instruction buttons).
class QFont;
void fitTextFrom(QWidget* control, const QFont& start, int room = -1);

// Shows a label's new text, fitted again from the inherited font.
void setFittedText(QLabel* label, const QString& text);
