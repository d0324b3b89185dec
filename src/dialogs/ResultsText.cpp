// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ResultsText.h"

#include "common/DisplayNumbers.h"
#include "common/NumberText.h"

#include <QCoreApplication>

QString resultsCaption(int recordCount) {
    //: %1 is the number of tests with a blank before it (" 4")
    return QCoreApplication::translate("ResultsText", "Test%1 Results")
        .arg(QString::fromStdString(numberWithSign(recordCount)));
}

QString resultsScoreText(int correctCount, int testProblemCount) {
    //: %2 and %3 are counts with a blank before each (" 17", " 20")
    return QCoreApplication::translate("ResultsText", "Percent correct = %1\n%2 Correct out of%3")
        .arg(displayPercent(correctCount, testProblemCount),
             QString::fromStdString(numberWithSign(correctCount)),
             QString::fromStdString(numberWithSign(testProblemCount)));
}
