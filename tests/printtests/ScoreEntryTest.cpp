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

TEST(LowSixteenBits, KeepsTheLowBitsAsASignedValue) {
    const std::pair<int, int> cases[] = {{70, 70},        {-3, -3},      {32767, 32767},
                                         {32768, -32768}, {70000, 4464}, {2147483647, -1}};
    for (const auto& [value, low] : cases) {
        EXPECT_EQ(lowSixteenBits(value), low) << value;
    }
}

// Fields are stored as typed: any date form packDate reads, an empty date as 0, texts
// without a number as 0, more correct than problems, halves to even, the low 16 bits.
TEST(ScoreFromEntry, StoresTheFieldsAsTyped) {
    const struct {
        ScoreEntryTexts texts;
        ScoreRecord expected;
    } cases[] = {
        {{"03-15-2006", "Mul/Div", "63", "70"}, score(13423, 7, 70, 63)},
        {{"3/15/06", "Div", "1", "2"}, score(13423, 4, 2, 1)},
        {{"", "Div", "1", "2"}, score(0, 4, 2, 1)},
        {{"03-15-2006", "fractions", "", "seventy"}, score(13423, 0, 0, 0)},
        {{"03-15-2006", "add", "70", "65"}, score(13423, 1, 65, 70)},
        {{"03-15-2006", "Sub", " 6.5", "70000"}, score(13423, 2, 4464, 6)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scoreFromEntry(c.texts), c.expected) << c.texts.date << " " << c.texts.kind;
    }
}

TEST(SaveScoreEntry, AppendsAndMarksScoresChanged) {
    StudentRecord student;
    student.changeState = ChangeState::LearnChoiceChanged;
    EXPECT_TRUE(saveScoreEntry(student, {"03-15-2006", "Mul/Div", "63", "70"}));
    EXPECT_EQ(student.history, std::vector<ScoreRecord>{score(13423, 7, 70, 63)});
    EXPECT_EQ(student.changeState, ChangeState::ScoresChanged);
}

TEST(SaveScoreEntry, AFullHistoryTakesNothing) {
    StudentRecord student;
    student.history.resize(maxScoreRecords);
    EXPECT_FALSE(saveScoreEntry(student, {"03-15-2006", "Add", "5", "10"}));
    EXPECT_EQ(student.history.size(), maxScoreRecords);
    EXPECT_EQ(student.changeState, ChangeState::Unchanged);
}
