// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/Fluency.h"

#include <QString>

#include <array>

// What the fluency map writes and a screen reader says. Each state has a mark as well as a
// colour, so the map reads the same in black and white or to a colour-blind parent.

// The states in the order the legend names them.
inline constexpr std::array<FactState, 4> legendStates = {FactState::Known, FactState::Slow,
                                                          FactState::NotYet, FactState::NotTried};

// "✓" known, "~" slow, "✗" not yet, "·" not tried.
QString stateMark(FactState state);
// "known", "slow", "not yet", "not tried".
QString stateWord(FactState state);
// "✓ known": a legend entry.
QString legendEntry(FactState state);

// "7 times 8", "11 minus 4": a fact as it is spoken.
QString spokenFact(const Problem& fact);
// A cell as a screen reader reads it: "7 times 8: slow, 5.9 seconds", "3 times 4: not yet",
// "9 times 9: not tried". The time of the last try is told for known and slow facts.
QString cellSpeech(const FactFluency& cell);
// "Mult: 87 of 169 known".
QString countLine(const FluencyGrid& grid);
// A column's heading: the second operand after the operation's sign, "×8", "−3".
QString columnHeading(int operation, int second);
