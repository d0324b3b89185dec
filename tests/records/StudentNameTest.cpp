#include "records/StudentName.h"

#include <gtest/gtest.h>

TEST(StudentName, CutBeforeTheFirstDot) {
    EXPECT_EQ(studentNameFromInput("Ann.B"), "Ann");
    EXPECT_EQ(studentNameFromInput("a.b.c"), "a");
    EXPECT_EQ(studentNameFromInput(".hidden"), "");
    EXPECT_EQ(studentNameFromInput("Mary Jo"), "Mary Jo");
}

TEST(StudentName, NamesThatCanBeFileNamesAreAccepted) {
    EXPECT_EQ(studentNameProblem("Ann"), "");
    EXPECT_EQ(studentNameProblem("Mary Jo"), "");
    EXPECT_EQ(studentNameProblem("Zoë"), "");
    EXPECT_EQ(studentNameProblem("CONrad"), "");
}

TEST(StudentName, NamesThatCannotBeFileNamesAreRefused) {
    for (const char* name : {"../x", "a/b", "a\\b", "c:d", "what?", "a*", "\"q\"", "<b>", "a|b",
                             "tab\there", "CON", "nul", "com1", "LPT9", "trailing "}) {
        EXPECT_NE(studentNameProblem(name), "") << name;
    }
    EXPECT_NE(studentNameProblem(std::string(201, 'a')), "");
}
