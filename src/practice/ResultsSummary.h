// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/WrongAnswer.h"

#include <vector>

// What the results window of an on-screen test shows.
struct ResultsSummary {
    int testProblemCount = 0; // problems set for the test; unanswered ones count as wrong
    int correctCount = 0;
    int recordCount = 0; // score records held before this test's record is added
    std::vector<WrongAnswer> wrongList;
};
