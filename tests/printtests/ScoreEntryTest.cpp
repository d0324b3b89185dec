#include "printtests/ScoreEntry.h"

#include <gtest/gtest.h>

TEST(KindFromText, ItemsMatchIgnoringCaseAndBlanks) {
    EXPECT_EQ(kindFromText("Add"), 1);
    EXPECT_EQ(kindFromText("Sub"), 2);
    EXPECT_EQ(kindFromText("mul"), 3);
    EXPECT_EQ(kindFromText("DIV"), 4);
    EXPECT_EQ(kindFromText("Mixed"), 5);
    EXPECT_EQ(kindFromText("add/sub"), 6);
    EXPECT_EQ(kindFromText("  Mul/Div "), 7);
}

TEST(KindFromText, OtherTextsGiveNoKind) {
    EXPECT_EQ(kindFromText(""), 0);
    EXPECT_EQ(kindFromText("Mult"), 0);
    EXPECT_EQ(kindFromText("Mul/"), 0);
    EXPECT_EQ(kindFromText("Mix All"), 0);
    EXPECT_EQ(kindFromText("A dd"), 0);
}

TEST(LowSixteenBits, KeepsTheLowBitsAsASignedValue) {
    EXPECT_EQ(lowSixteenBits(70), 70);
    EXPECT_EQ(lowSixteenBits(-3), -3);
    EXPECT_EQ(lowSixteenBits(32767), 32767);
    EXPECT_EQ(lowSixteenBits(32768), -32768);
    EXPECT_EQ(lowSixteenBits(70000), 4464);
    EXPECT_EQ(lowSixteenBits(2147483647), -1);
}

TEST(ScoreFromEntry, PrintedTestOfSixtyThreeOutOfSeventy) {
    const ScoreRecord record = scoreFromEntry({"03-15-2006", "Mul/Div", "63", "70"});
    EXPECT_EQ(record.date, 13423);
    EXPECT_EQ(record.kind, 7);
    EXPECT_EQ(record.timeLimit, 0);
    EXPECT_EQ(record.problems, 70);
    EXPECT_EQ(record.correct, 63);
}

TEST(ScoreFromEntry, FieldsAreStoredAsTyped) {
    EXPECT_EQ(scoreFromEntry({"3/15/06", "Div", "1", "2"}).date, 13423);
    EXPECT_EQ(scoreFromEntry({"", "Div", "1", "2"}).date, 0);
    const ScoreRecord noKind = scoreFromEntry({"03-15-2006", "fractions", "", "seventy"});
    EXPECT_EQ(noKind.kind, 0);
    EXPECT_EQ(noKind.correct, 0);
    EXPECT_EQ(noKind.problems, 0);
    const ScoreRecord more = scoreFromEntry({"03-15-2006", "add", "70", "65"});
    EXPECT_EQ(more.correct, 70);
    EXPECT_EQ(more.problems, 65);
    const ScoreRecord rounded = scoreFromEntry({"03-15-2006", "Sub", " 6.5", "70000"});
    EXPECT_EQ(rounded.correct, 6);
    EXPECT_EQ(rounded.problems, 4464);
}

TEST(SaveScoreEntry, AppendsAndMarksScoresChanged) {
    StudentRecord student;
    student.changeState = ChangeState::LearnChoiceChanged;
    EXPECT_TRUE(saveScoreEntry(student, {"03-15-2006", "Mul/Div", "63", "70"}));
    ASSERT_EQ(student.history.size(), 1u);
    const ScoreRecord& stored = student.history.back();
    EXPECT_EQ(stored.date, 13423);
    EXPECT_EQ(stored.kind, 7);
    EXPECT_EQ(stored.timeLimit, 0);
    EXPECT_EQ(stored.problems, 70);
    EXPECT_EQ(stored.correct, 63);
    EXPECT_EQ(student.changeState, ChangeState::ScoresChanged);
}

TEST(SaveScoreEntry, AFullHistoryTakesNothing) {
    StudentRecord student;
    student.history.resize(maxScoreRecords);
    EXPECT_FALSE(saveScoreEntry(student, {"03-15-2006", "Add", "5", "10"}));
    EXPECT_EQ(student.history.size(), maxScoreRecords);
    EXPECT_EQ(student.changeState, ChangeState::Unchanged);
}
