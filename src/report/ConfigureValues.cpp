// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ConfigureValues.h"

#include "common/NumberText.h"

#include <optional>
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
const std::string rateMessage = "Problems per minute must be a whole number from " +
                                std::to_string(minPerMinute) + " to " +
                                std::to_string(maxPerMinute) + ".";
const std::string rangeMessage = "The numbers of a range must be whole numbers from " +
                                 std::to_string(minRangeNumber) + " to " +
                                 std::to_string(maxRangeNumber) + ".";
const std::string orderMessage = "The lowest number cannot be higher than the highest number.";
const std::string widthMessage =
    "A range can hold at most " + std::to_string(maxRangeWidth) + " numbers.";

bool within(const std::optional<std::int32_t>& value, int low, int high) {
    return value && *value >= low && *value <= high;
}

// The problem of one section's three boxes, numbered from firstBox.
ConfigureProblem sectionProblem(const std::string& perMin, const std::string& lowText,
                                const std::string& highText, int firstBox) {
    if (!within(wholeNumber(perMin), minPerMinute, maxPerMinute)) {
        return {firstBox, rateMessage};
    }
    const auto low = wholeNumber(lowText);
    if (!within(low, minRangeNumber, maxRangeNumber)) {
        return {firstBox + 1, rangeMessage};
    }
    const auto high = wholeNumber(highText);
    if (!within(high, minRangeNumber, maxRangeNumber)) {
        return {firstBox + 2, rangeMessage};
    }
    if (*low > *high) {
        return {firstBox + 2, orderMessage};
    }
    if (*high - *low + 1 > maxRangeWidth) {
        return {firstBox + 2, widthMessage};
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
