#include "dialogs/ResultsText.h"

#include "common/NumberText.h"

std::string resultsCaption(int recordCount) {
    return "Test" + numberWithSign(recordCount) + " Results";
}

std::string resultsScoreText(int correctCount, int testProblemCount) {
    return "Percent correct = " + percentText(correctCount, testProblemCount) + "\r\n" +
           numberWithSign(correctCount) + " Correct out of" + numberWithSign(testProblemCount);
}
