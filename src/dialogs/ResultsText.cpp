// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ResultsText.h"

#include "common/NumberText.h"

QString resultsCaption(int recordCount) {
    return QString::fromStdString("Test" + numberWithSign(recordCount) + " Results");
}

QString resultsScoreText(int correctCount, int testProblemCount) {
    return QString::fromStdString(
        "Percent correct = " + percentText(correctCount, testProblemCount) + "\n" +
        numberWithSign(correctCount) + " Correct out of" + numberWithSign(testProblemCount));
}
