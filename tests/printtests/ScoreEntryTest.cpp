// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/ScoreEntry.h"
#include "report/ReportTestData.h"

#include <gtest/gtest.h>

// The items match ignoring case and surrounding blanks; any other text gives no kind.
TEST(KindFromText, MatchesTheItems) {
    const std::pair<const char*, int> cases[] = {
        {"Add", 1},        {"Sub", 2}, {"mul", 3},  {"DIV", 4},  {"Mixed", 5},   {"add/sub", 6},
        {"  Mul/Div ", 7}, {"", 0},    {"Mult", 0}, {"Mul/", 0}, {"Mix All", 0}, {"A dd", 0},
    };
    for (const auto& [text, kind] : cases) {
        EXPECT_EQ(kindFromText(text), kind) << '"' << text << '"';
    }
}

// Nothing wraps to 16 bits and no date is packed that is not a real one.
TEST(ScoreEntryProblem, RefusesWhatARecordCannotHold) {
    const struct {
        ScoreEntryTexts texts;
        ScoreField field;
    } cases[] = {
        {{"03-15-2006", "Mul/Div", "63", "70"}, ScoreField::None},
        {{"3/15/06", "div", "0", "1"}, ScoreField::None},
        {{"02-29-2008", "Add", "32767", "32767"}, ScoreField::None},
        {{"13-45-1970", "Add", "1", "2"}, ScoreField::Date},
        {{"02-29-2007", "Add", "1", "2"}, ScoreField::Date},
        {{"12-31-1979", "Add", "1", "2"}, ScoreField::Date},
        {{"", "Add", "1", "2"}, ScoreField::Date},
        {{"3-15", "Add", "1", "2"}, ScoreField::Date},
        {{"3-15-206", "Add", "1", "2"}, ScoreField::Date},
        {{"a3-15-2006", "Add", "1", "2"}, ScoreField::Date},
        {{"03-15-2006", "fractions", "1", "2"}, ScoreField::Kind},
        {{"03-15-2006", "Add", "1", "99999"}, ScoreField::Problems},
        {{"03-15-2006", "Add", "1", "0"}, ScoreField::Problems},
        {{"03-15-2006", "Add", "99999999999", "70"}, ScoreField::Correct},
        {{"03-15-2006", "Add", "71", "70"}, ScoreField::Correct},
        {{"03-15-2006", "Add", "-1", "70"}, ScoreField::Correct},
    };
    for (const auto& c : cases) {
        const ScoreEntryProblem problem = scoreEntryProblem(c.texts);
        EXPECT_EQ(problem.field, c.field)
            << c.texts.date << " " << c.texts.correct << "/" << c.texts.problems;
        EXPECT_EQ(problem.message.empty(), c.field == ScoreField::None) << problem.message;
    }
}

// A full history takes the result too: the next save archives the oldest.
TEST(SaveScoreEntry, AppendsThePackedRecordAlsoToAFullHistory) {
    StudentRecord student;
    student.changeState = ChangeState::LearnChoiceChanged;
    saveScoreEntry(student, {"03-15-2006", "Mul/Div", "63", "70"});
    saveScoreEntry(student, {"3/15/06", " div ", "0", "32767"});
    EXPECT_EQ(student.history,
              (std::vector<ScoreRecord>{score(13423, 7, 70, 63), score(13423, 4, 32767, 0)}));
    EXPECT_EQ(student.changeState, ChangeState::ScoresChanged);
    student.history.resize(maxScoreRecords);
    saveScoreEntry(student, {"03-15-2006", "Add", "5", "10"});
    EXPECT_EQ(student.history.back(), score(13423, 1, 10, 5));
}
