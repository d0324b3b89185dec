// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/ScoreEntry.h"
#include "report/ReportTestData.h"

#include <QLocale>

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

// Dates, kinds and counts are stored as typed; only a count a 16-bit field cannot hold as
// typed is refused, the number of problems first.
TEST(ScoreEntryProblem, RefusesOnlyCountsBeyondSixteenBits) {
    const struct {
        ScoreEntryTexts texts;
        ScoreField field;
    } cases[] = {
        {{"03-15-2006", "Mul/Div", "63", "70"}, ScoreField::None},
        {{"", "", "80", "70"}, ScoreField::None},
        {{"13-45-1970", "fractions", "abc", "0"}, ScoreField::None},
        {{"3/15/06", "div", "32767", "32766.5"}, ScoreField::None}, // the even 32766
        {{"03-15-2006", "Add", "1", "32767.6"}, ScoreField::Problems},
        {{"03-15-2006", "Add", "99999999999", "-1"}, ScoreField::Problems},
        {{"03-15-2006", "Add", "32768", "70"}, ScoreField::Correct},
        {{"03-15-2006", "Add", "-0.6", "70"}, ScoreField::Correct},
    };
    for (const auto& c : cases) {
        const ScoreEntryProblem problem = scoreEntryProblem(c.texts);
        EXPECT_EQ(problem.field, c.field) << c.texts.correct << "/" << c.texts.problems;
        EXPECT_EQ(problem.message.empty(), c.field == ScoreField::None) << problem.message;
    }
}

// Stored as typed, also into a full history: the next save archives the oldest.
TEST(SaveScoreEntry, AppendsThePackedRecordAlsoToAFullHistory) {
    StudentRecord student;
    student.changeState = ChangeState::LearnChoiceChanged;
    saveScoreEntry(student, {"03-15-2006", "Mul/Div", "63", "70"});
    saveScoreEntry(student, {"3/15/06", " div ", "0", "32767"});
    saveScoreEntry(student, {"", "", "80", "70"});
    saveScoreEntry(student, {"3-15-2006", "Mult", "6.5", "7.5"});
    EXPECT_EQ(student.history,
              (std::vector<ScoreRecord>{score(13423, 7, 70, 63), score(13423, 4, 32767, 0),
                                        score(0, 0, 70, 80), score(13423, 0, 8, 6)}));
    EXPECT_EQ(student.changeState, ChangeState::ScoresChanged);
    student.history.resize(maxScoreRecords);
    saveScoreEntry(student, {"03-15-2006", "Add", "5", "10"});
    EXPECT_EQ(student.history.back(), score(13423, 1, 10, 5));
}

// In German the typed date is read day first, as the dialog shows today's; English reads the
// same text as it always has, all one month field.
TEST(SaveScoreEntry, ReadsTheDateInTheOrderItIsShown) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(scoreFromEntry({"15.03.2006", "Add", "5", "10"}).date, 13423);
    QLocale::setDefault(before);
    EXPECT_EQ(scoreFromEntry({"15.03.2006", "Add", "5", "10"}).date, (2000 - 1980) * 512 + 15 * 32);
}
