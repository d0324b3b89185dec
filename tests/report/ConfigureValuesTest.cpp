// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ConfigureValues.h"
#include "ReportTestData.h"

#include <gtest/gtest.h>

// Only what a child's settings can hold is taken; the first box at fault is named.
TEST(ConfigureProblem, RefusesWhatCannotBeStored) {
    const struct {
        ConfigureTexts texts;
        int box;
        const char* says;
    } cases[] = {
        {{" 12", "1", " 12", " 12", "1", " 12"}, -1, ""},
        {{"60", "0", "499", "1", " 1", "500"}, -1, ""},
        {{"0", "1", "12", "12", "1", "12"}, 0, "1 to 60"},
        {{"61", "1", "12", "12", "1", "12"}, 0, "1 to 60"},
        {{"abc", "1", "12", "12", "1", "12"}, 0, "whole number"},
        {{"12", "-1", "12", "12", "1", "12"}, 1, "0 to 500"},
        {{"12", "1", "501", "12", "1", "12"}, 2, "0 to 500"},
        {{"12", "1", "2147483647", "12", "1", "12"}, 2, "0 to 500"},
        {{"12", "1", "7.5", "12", "1", "12"}, 2, "whole number"},
        {{"12", "9", "3", "12", "1", "12"}, 2, "lowest number"},
        {{"12", "0", "500", "12", "1", "12"}, 2, "at most 500"},
        {{"12", "1", "12", "", "1", "12"}, 3, "1 to 60"},
        {{"12", "1", "12", "12", "x", "12"}, 4, "0 to 500"},
        {{"12", "1", "12", "12", "5", "4"}, 5, "lowest number"},
    };
    for (const auto& c : cases) {
        const ConfigureProblem problem = configureProblem(c.texts);
        EXPECT_EQ(problem.box, c.box) << c.texts.addSubPerMin << c.texts.addSubHigh;
        EXPECT_NE(problem.message.find(c.says), std::string::npos) << problem.message;
    }
}

// Only the stored values (rates and high ends) count as a change to write; mixedHigh
// follows the higher high end and the change state is kept.
TEST(ApplyConfigure, StoresEachBox) {
    const struct {
        ConfigureTexts texts;
        ConfigValues expected;
        bool storedChange;
    } cases[] = {
        {{" 12", "4", " 12", " 12", "7", " 12"}, {12, 4, 12, 12, 7, 12, 12}, false},
        {{" 30", "0", "15", " 2", " 3", "20"}, {30, 0, 15, 2, 3, 20, 20}, true},
    };
    for (const auto& c : cases) {
        StudentRecord student = newChild();
        student.changeState = ChangeState::LearnChoiceChanged;
        applyConfigure(student, c.texts);
        EXPECT_EQ(configValues(student), c.expected) << c.texts.addSubHigh;
        EXPECT_EQ(storedValuesChanged(student), c.storedChange) << c.texts.addSubHigh;
        EXPECT_EQ(student.changeState, ChangeState::LearnChoiceChanged);
    }
}
