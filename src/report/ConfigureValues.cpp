// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ConfigureValues.h"

#include "common/NumberText.h"

#include <QCoreApplication>

#include <string>

ConfigureTexts configureTexts(const StudentRecord& student) {
    return ConfigureTexts{
        .addSubPerMin = numberWithSign(student.addSubPerMin),
        .addSubLow = "1",
        .addSubHigh = numberWithSign(student.addSubHigh),
        .mulDivPerMin = numberWithSign(student.mulDivPerMin),
        .mulDivLow = "1",
        .mulDivHigh = numberWithSign(student.mulDivHigh),
    };
}

namespace {
// Made when a value is refused, so they come in the language loaded by then.
std::string rateMessage() {
    return QCoreApplication::translate("ConfigureDialog",
                                       "Problems per minute must be a whole number from %1 to %2.")
        .arg(minPerMinute)
        .arg(maxPerMinute)
        .toStdString();
}

std::string rangeMessage() {
    return QCoreApplication::translate(
               "ConfigureDialog", "The numbers of a range must be whole numbers from %1 to %2.")
        .arg(minRangeNumber)
        .arg(maxRangeNumber)
        .toStdString();
}

bool within(const std::string& text, int low, int high) {
    const std::int32_t value = textToNumber(text);
    return value >= low && value <= high;
}

// The problem of one section's three boxes, numbered from firstBox.
ConfigureProblem sectionProblem(const std::string& perMin, const std::string& low,
                                const std::string& high, int firstBox) {
    if (!within(perMin, minPerMinute, maxPerMinute)) {
        return {firstBox, rateMessage()};
    }
    if (!within(low, minRangeNumber, maxRangeNumber)) {
        return {firstBox + 1, rangeMessage()};
    }
    if (!within(high, minRangeNumber, maxRangeNumber)) {
        return {firstBox + 2, rangeMessage()};
    }
    return {};
}
} // namespace

ConfigureProblem configureProblem(const ConfigureTexts& texts) {
    ConfigureProblem problem =
        sectionProblem(texts.addSubPerMin, texts.addSubLow, texts.addSubHigh, 0);
    if (problem.box < 0) {
        problem = sectionProblem(texts.mulDivPerMin, texts.mulDivLow, texts.mulDivHigh, 3);
    }
    return problem;
}

void applyConfigure(StudentRecord& student, const ConfigureTexts& texts) {
    student.addSubPerMin = textToNumber(texts.addSubPerMin);
    student.addSubLow = textToNumber(texts.addSubLow);
    student.addSubHigh = textToNumber(texts.addSubHigh);
    student.mulDivPerMin = textToNumber(texts.mulDivPerMin);
    student.mulDivLow = textToNumber(texts.mulDivLow);
    student.mulDivHigh = textToNumber(texts.mulDivHigh);
    updateMixedHigh(student);
}
