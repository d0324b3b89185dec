// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/AnswerLimitChoice.h"

#include "common/DisplayNumbers.h"

#include <QCoreApplication>

#include <algorithm>

std::vector<std::uint32_t> answerLimitChoicesMs(std::uint32_t currentMs) {
    std::vector<std::uint32_t> choices = {0, 2000, 3000, 4000, 5000, 6000, 8000, 10000};
    if (std::find(choices.begin(), choices.end(), currentMs) == choices.end()) {
        choices.insert(std::upper_bound(choices.begin(), choices.end(), currentMs), currentMs);
    }
    return choices;
}

QString answerLimitText(std::uint32_t milliseconds) {
    if (milliseconds == 0) {
        return QCoreApplication::translate("AnswerLimit", "Automatic");
    }
    // The program runs without a translator, so the English forms are the source texts.
    if (milliseconds == 1000) {
        return QCoreApplication::translate("AnswerLimit", "1 second");
    }
    if (milliseconds % 1000 == 0) {
        // The count is an int of its own: lupdate does not read a cast among the arguments.
        const auto seconds = static_cast<int>(milliseconds / 1000);
        return QCoreApplication::translate("AnswerLimit", "%n seconds", nullptr, seconds);
    }
    return QCoreApplication::translate("AnswerLimit", "%1 seconds")
        .arg(displayDecimal(milliseconds / 1000.0, milliseconds % 100 == 0 ? 1 : 3));
}
