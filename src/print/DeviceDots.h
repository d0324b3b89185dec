// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/NumberText.h"

#include <climits>

// The nearest whole number of device dots, halves to the even neighbour, held inside int.
inline int nearestDots(double dots) {
    const double rounded = roundHalfEven(dots);
    if (!(rounded > INT_MIN)) {
        return INT_MIN;
    }
    return rounded < INT_MAX ? static_cast<int>(rounded) : INT_MAX;
}
