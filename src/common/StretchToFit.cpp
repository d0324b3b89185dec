// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/StretchToFit.h"

int stretchToFit(const std::function<int(int stretch)>& widthAt, int availableWidth) {
    if (availableWidth <= 0 || widthAt(fullStretch) <= availableWidth) {
        return fullStretch;
    }
    for (int stretch = fullStretch - 1; stretch > narrowestStretch; --stretch) {
        if (widthAt(stretch) <= availableWidth) {
            return stretch;
        }
    }
    return narrowestStretch;
}
