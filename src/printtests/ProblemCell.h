// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/ProblemList.h"

class cTPrint;

// The measures of the page's fixed-pitch font, in inches.
struct GridFont {
    double charWidth = 0;
    double lineHeight = 0;
};

// Draws one problem of a printed test in the cell whose column anchor is colX and whose top
// is rowY: numbers are right-aligned so that their last character starts at colX. Add, Sub
// and Mult are written one above the other over a rule, Div as a fraction followed by "=".
// The answer is written only withAnswers.
void drawProblem(cTPrint& printer, const Problem& problem, double colX, double rowY,
                 const GridFont& font, bool withAnswers);
