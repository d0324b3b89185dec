#include "report/ConfigureValues.h"

#include <gtest/gtest.h>

namespace {
StudentRecord newChild() {
    StudentRecord student;
    student.addSubHigh = student.mulDivHigh = 12;
    student.addSubPerMin = student.mulDivPerMin = 12;
    student.addSubLow = student.mulDivLow = student.mixedLow = 1;
    student.mixedHigh = 12;
    return student;
}
} // namespace

TEST(ConfigureTexts, ShowValuesWithSignPlaceAndLowEndsOfOne) {
    StudentRecord student = newChild();
    student.addSubLow = 5;
    student.mulDivLow = -2;
    student.mulDivHigh = -4;
    student.addSubPerMin = 30;
    const ConfigureTexts texts = configureTexts(student);
    EXPECT_EQ(texts.addSubPerMin, " 30");
    EXPECT_EQ(texts.addSubLow, "1");
    EXPECT_EQ(texts.addSubHigh, " 12");
    EXPECT_EQ(texts.mulDivPerMin, " 12");
    EXPECT_EQ(texts.mulDivLow, "1");
    EXPECT_EQ(texts.mulDivHigh, "-4");
}

TEST(ApplyConfigure, UntouchedTextsKeepValuesButResetLowEnds) {
    StudentRecord student = newChild();
    student.addSubHigh = 9;
    student.mulDivHigh = 15;
    student.addSubLow = 4;
    student.mulDivLow = 6;
    student.mixedLow = 3;
    student.changeState = ChangeState::LearnChoiceChanged;
    applyConfigure(student, configureTexts(student));
    EXPECT_EQ(student.addSubHigh, 9);
    EXPECT_EQ(student.mulDivHigh, 15);
    EXPECT_EQ(student.addSubPerMin, 12);
    EXPECT_EQ(student.mulDivPerMin, 12);
    EXPECT_EQ(student.addSubLow, 1);
    EXPECT_EQ(student.mulDivLow, 1);
    EXPECT_EQ(student.mixedHigh, 15);
    EXPECT_EQ(student.mixedLow, 3);
    EXPECT_EQ(student.changeState, ChangeState::LearnChoiceChanged);
}

TEST(ApplyConfigure, EveryBoxIsReadAsANumberHalvesToEven) {
    StudentRecord student = newChild();
    applyConfigure(student, {"abc", "7.5", "6.5", "2.5", " 3", "20 apples"});
    EXPECT_EQ(student.addSubPerMin, 0);
    EXPECT_EQ(student.addSubLow, 8);
    EXPECT_EQ(student.addSubHigh, 6);
    EXPECT_EQ(student.mulDivPerMin, 2);
    EXPECT_EQ(student.mulDivLow, 3);
    EXPECT_EQ(student.mulDivHigh, 20);
    EXPECT_EQ(student.mixedHigh, 20);
}

TEST(ApplyConfigure, OddRangesAreStoredAsTyped) {
    StudentRecord student = newChild();
    applyConfigure(student, {"0", "9", "3", "", "-5", "99999999999"});
    EXPECT_EQ(student.addSubPerMin, 0);
    EXPECT_EQ(student.addSubLow, 9);
    EXPECT_EQ(student.addSubHigh, 3);
    EXPECT_EQ(student.mulDivPerMin, 0);
    EXPECT_EQ(student.mulDivLow, -5);
    EXPECT_EQ(student.mulDivHigh, 2147483647);
    EXPECT_EQ(student.mixedHigh, 2147483647);
}

TEST(ApplyConfigure, NewHighEndIsNoticedAsAStoredChange) {
    StudentRecord student = newChild();
    student.loadedAddSubHigh = student.loadedMulDivHigh = 12;
    student.loadedAddSubPerMin = student.loadedMulDivPerMin = 12;
    ConfigureTexts texts = configureTexts(student);
    texts.addSubHigh = "15";
    applyConfigure(student, texts);
    EXPECT_EQ(student.addSubHigh, 15);
    EXPECT_EQ(student.mixedHigh, 15);
    EXPECT_TRUE(storedValuesChanged(student));
    EXPECT_EQ(student.changeState, ChangeState::Unchanged);
}
