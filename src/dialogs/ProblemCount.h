// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The number of problems of an on-screen test of `minutes` minutes of a kind (1 to 7):
// minutes x the rate of the kind; Mixed uses the mean of the two rates, a half going to the
// even neighbour. A negative result (negative rates from a damaged file) is 0, and a result
// beyond the range of int is held at its end.
int testProblemCount(int minutes, int kind, int addSubPerMin, int mulDivPerMin);

// "Number of problems = 120".
QString problemCountText(int count);
