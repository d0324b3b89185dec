// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// "Test 4 Results" for 4 score records held.
QString resultsCaption(int recordCount);

// The two lines of the score:
// "Percent correct = 85.00" and " 17 Correct out of 20". A test of 0 problems shows 0.00.
QString resultsScoreText(int correctCount, int testProblemCount);
