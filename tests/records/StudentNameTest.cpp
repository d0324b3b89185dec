// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentName.h"

#include <gtest/gtest.h>

// A name typed is cut before its first dot; only names that can be file names everywhere pass.
TEST(StudentName, CutBeforeTheFirstDotAndAcceptedWhereAFileCanHaveIt) {
    EXPECT_EQ(studentNameFromInput("Ann.B"), "Ann");
    EXPECT_EQ(studentNameFromInput("a.b.c"), "a");
    EXPECT_EQ(studentNameFromInput(".hidden"), "");
    EXPECT_EQ(studentNameFromInput("Mary Jo"), "Mary Jo");
    for (const char* name : {"Ann", "Mary Jo", "Zoë", "CONrad", "COM10", "LPT", "COM\xC2\xB9x",
                             "CONIN", "AUXILIA", "COM\xC2\xB4"}) {
        EXPECT_EQ(studentNameProblem(name), "") << name;
    }
    for (const char* name :
         {"../x",   "a/b",     "a\\b",      "c:d",      "what?",       "a*",          "\"q\"",
          "<b>",    "a|b",     "tab\there", "CON",      "nul",         "prn",         "Aux",
          "com1",   "LPT9",    "COM0",      "lpt0",     "COM\xC2\xB9", "LPT\xC2\xB2", "lpt\xC2\xB3",
          "CONIN$", "conout$", "nul.txt",   "Com1.sbk", "trailing "}) {
        EXPECT_NE(studentNameProblem(name), "") << name;
    }
    EXPECT_NE(studentNameProblem(std::string(201, 'a')), "");
    EXPECT_EQ(studentNameProblem(std::string(200, 'a')), ""); // the longest name a file can take
}
