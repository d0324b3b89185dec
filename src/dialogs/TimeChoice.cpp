// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TimeChoice.h"

#include "common/NumberText.h"

#include <algorithm>

int preselectedTimeIndex(int entryCount, int wantedIndex) {
    if (entryCount <= 0) {
        return -1;
    }
    return std::min(wantedIndex, entryCount - 1);
}

int drillSecondsPerCard(bool flashCardsChecked, const std::string& selectedTime) {
    if (!flashCardsChecked) {
        return 0;
    }
    return std::max(textToNumber(selectedTime), 0);
}
