// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ConfigureValues.h"
#include "ReportTestData.h"

#include <gtest/gtest.h>

// Any text is read as the number it starts with; only a rate or a range end the program
// cannot work with is refused, and the first box at fault is named.
TEST(ConfigureProblem, RefusesOnlyWhatWouldBreakTheProgram) {
    const struct {
        ConfigureTexts texts;
        int box;
        const char* says;
    } cases[] = {
        {{" 12", "1", " 12", " 12", "1", " 12"}, -1, ""},
        {{"60", "0", "499", "0", " 1", "500"}, -1, ""},
        {{"abc", "9", "3", "7.5", "x", ""}, -1, ""},          // 0, a low end above the high end, 8
        {{"60.5", "-0.5", "500.5", "12", "1", "12"}, -1, ""}, // halves go to the even neighbour
        {{"61", "1", "12", "12", "1", "12"}, 0, "0 to 60"},
        {{"60.6", "1", "12", "12", "1", "12"}, 0, "0 to 60"},
        {{"-1", "1", "12", "12", "1", "12"}, 0, "0 to 60"},
        {{"12", "-1", "12", "12", "1", "12"}, 1, "0 to 500"},
        {{"12", "1", "501", "12", "1", "12"}, 2, "0 to 500"},
        {{"12", "1", "2147483647", "12", "1", "12"}, 2, "0 to 500"},
        {{"12", "1", "12", "99999999999", "1", "12"}, 3, "0 to 60"},
        {{"12", "1", "12", "12", "-0.6", "12"}, 4, "0 to 500"},
        {{"12", "1", "12", "12", "1", " 500.6"}, 5, "0 to 500"},
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
        {{"abc", "7.5", "6.5", "0", "  9x", "-0"}, {0, 8, 6, 0, 9, 0, 6}, true},
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
