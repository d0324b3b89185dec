// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The entry of a time list to select when a dialog opens: the wanted position, or the last
// entry when the list is shorter; -1 when the list is empty.
int preselectedTimeIndex(int entryCount, int wantedIndex);

// Seconds per flash card for a drill: the number of the selected time text when the flash
// cards box is checked, else 0 (untimed). A text without a positive number is untimed too,
// since a card cannot be shown for no time at all.
int drillSecondsPerCard(bool flashCardsChecked, const std::string& selectedTime);
