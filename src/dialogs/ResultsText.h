#pragma once

#include <string>

// "Test 4 Results" for 4 score records held.
std::string resultsCaption(int recordCount);

// The two lines of the score, joined by a carriage return + line feed:
// "Percent correct = 85.00" and " 17 Correct out of 20". A test of 0 problems shows 0.00.
std::string resultsScoreText(int correctCount, int testProblemCount);
