#include "report/ConfigureValues.h"
#include "ReportTestData.h"

#include <gtest/gtest.h>

TEST(ConfigureTexts, ShowValuesWithSignPlaceAndLowEndsOfOne) {
    EXPECT_EQ(configureTexts(newChild()), (ConfigureTexts{" 12", "1", " 12", " 12", "1", " 12"}));
    StudentRecord student = newChild();
    student.addSubLow = 5;
    student.mulDivLow = -2;
    student.mulDivHigh = -4;
    student.addSubPerMin = 30;
    EXPECT_EQ(configureTexts(student), (ConfigureTexts{" 30", "1", " 12", " 12", "1", "-4"}));
}

TEST(ApplyConfigure, UntouchedTextsKeepValuesButResetLowEnds) {
    StudentRecord student = newChild();
    student.addSubHigh = 9;
    student.mulDivHigh = 15;
    student.addSubLow = 4;
    student.mulDivLow = 6;
    applyConfigure(student, configureTexts(student));
    EXPECT_EQ(configValues(student), (ConfigValues{12, 1, 9, 12, 1, 15, 15}));
}

// Every box is read as the number its text starts with (0 for none, halves to even) and
// stored without range checks; mixedHigh follows the higher high end. Only the stored
// values (rates and high ends) count as a change to write, and the change state is kept.
TEST(ApplyConfigure, StoresEachBoxAsANumber) {
    const struct {
        ConfigureTexts texts;
        ConfigValues expected;
        bool storedChange;
    } cases[] = {
        {{" 12", "1", " 12", " 12", "1", " 12"}, {12, 1, 12, 12, 1, 12, 12}, false},
        {{" 12", "4", " 12", " 12", "7", " 12"}, {12, 4, 12, 12, 7, 12, 12}, false},
        {{" 12", "1", "15", " 12", "1", " 12"}, {12, 1, 15, 12, 1, 12, 15}, true},
        {{"abc", "7.5", "6.5", "2.5", " 3", "20 apples"}, {0, 8, 6, 2, 3, 20, 20}, true},
        {{"0", "9", "3", "", "-5", "99999999999"}, {0, 9, 3, 0, -5, 2147483647, 2147483647}, true},
    };
    for (const auto& c : cases) {
        StudentRecord student = newChild();
        student.mixedLow = 3;
        student.changeState = ChangeState::LearnChoiceChanged;
        applyConfigure(student, c.texts);
        EXPECT_EQ(configValues(student), c.expected) << c.texts.addSubPerMin << c.texts.addSubHigh;
        EXPECT_EQ(storedValuesChanged(student), c.storedChange) << c.texts.addSubHigh;
        EXPECT_EQ(student.mixedLow, 3);
        EXPECT_EQ(student.changeState, ChangeState::LearnChoiceChanged);
    }
}
