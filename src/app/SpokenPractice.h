// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/PracticeView.h"

#include <string>
#include <vector>

// What a screen reader says as the practice area changes. A sighted child sees a new problem,
// a verdict, the score and the time the moment they change; a blind child hears them then,
// as short notices, in the order a sighted child reads the screen.

// The notices for the change from `before` to `after`, each a short sentence. The problem is
// left out when the focus arrives in the answer box in this change: the screen reader reads
// it with the box.
std::vector<std::string> spokenChanges(const PracticeView& before, const PracticeView& after,
                                       bool focusReadsProblem);

// What the answer label says while it holds the focus: the problem with its answer, the key
// that begins a run while "Enter --> Begin" waits, else "Answer".
std::string answerLabelName(const PracticeView& view);

// The time bar read as words: "Time used: 18 seconds of 60".
std::string timeBarName(int usedSeconds, int limitSeconds);

// A notice of the time left when a test's clock passes a mark from `beforeSeconds` to
// `afterSeconds` used: each whole minute left, then 30 and 10 seconds. Empty otherwise.
std::string timeLeftNotice(int limitSeconds, int beforeSeconds, int afterSeconds);
