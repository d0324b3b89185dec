#include "report/ConfigureValues.h"

#include "common/NumberText.h"

ConfigureTexts configureTexts(const StudentRecord& student) {
    ConfigureTexts texts;
    texts.addSubPerMin = numberWithSign(student.addSubPerMin);
    texts.addSubLow = "1";
    texts.addSubHigh = numberWithSign(student.addSubHigh);
    texts.mulDivPerMin = numberWithSign(student.mulDivPerMin);
    texts.mulDivLow = "1";
    texts.mulDivHigh = numberWithSign(student.mulDivHigh);
    return texts;
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
