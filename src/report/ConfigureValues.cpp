#include "report/ConfigureValues.h"

#include "common/NumberText.h"

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

void applyConfigure(StudentRecord& student, const ConfigureTexts& texts) {
    student.addSubPerMin = textToNumber(texts.addSubPerMin);
    student.addSubLow = textToNumber(texts.addSubLow);
    student.addSubHigh = textToNumber(texts.addSubHigh);
    student.mulDivPerMin = textToNumber(texts.mulDivPerMin);
    student.mulDivLow = textToNumber(texts.mulDivLow);
    student.mulDivHigh = textToNumber(texts.mulDivHigh);
    updateMixedHigh(student);
}
