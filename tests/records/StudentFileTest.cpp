#include "records/StudentFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {
void appendInt(std::vector<unsigned char>& bytes, std::int32_t v) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(
            static_cast<unsigned char>((static_cast<std::uint32_t>(v) >> shift) & 0xFF));
    }
}

// The 35-byte header: magic, then the six values as little-endian 32-bit numbers.
std::vector<unsigned char> header(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                                  std::int32_t op, std::int32_t number) {
    std::vector<unsigned char> bytes = {'T', 'a', 'l', 'l', 'y', 'b', 'u', 'r', 'r', 'o', 'w'};
    for (std::int32_t v : {a, b, c, d, op, number}) {
        appendInt(bytes, v);
    }
    return bytes;
}

void appendRecord(std::vector<unsigned char>& bytes, const ScoreRecord& r) {
    const auto encoded = encodeScoreRecord(r);
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
}

ScoreRecord record(std::uint16_t date, int kind, int minutes, int problems, int correct) {
    return ScoreRecord{date, static_cast<std::uint8_t>(kind), static_cast<std::uint8_t>(minutes),
                       static_cast<std::int16_t>(problems), static_cast<std::int16_t>(correct)};
}
} // namespace

TEST(ScoreRecordBytes, LittleEndianWithoutPadding) {
    const auto bytes = encodeScoreRecord(record(13423, 7, 0, 70, -2));
    const std::array<unsigned char, 8> expected = {0x6F, 0x34, 7, 0, 70, 0, 0xFE, 0xFF};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(decodeScoreRecord(bytes.data()), record(13423, 7, 0, 70, -2));
}

TEST(StudentFile, NewChildIsCreatedEmptyAndSavedAs35Bytes) {
    TempFolder folder;
    StudentRecord student;
    loadStudentFile(student, folder.path(), "Ann");
    EXPECT_EQ(student.path, folder.path() / "Ann.sbk");
    ASSERT_TRUE(std::filesystem::exists(student.path));
    EXPECT_EQ(std::filesystem::file_size(student.path), 0u);
    EXPECT_EQ(student.mixedLow, 1);
    EXPECT_TRUE(storedValuesChanged(student)); // copies 0, values 12: saved without a question

    ASSERT_TRUE(saveStudentFile(student));
    EXPECT_EQ(readBytes(student.path), header(12, 12, 12, 12, 0, 0));
}

TEST(StudentFile, NewChildWithAResultGetsTheCountAndRecord) {
    TempFolder folder;
    StudentRecord student;
    loadStudentFile(student, folder.path(), "Bob");
    ASSERT_TRUE(appendScore(student, 13423, 1, 1, 12, 11));
    EXPECT_EQ(student.changeState, ChangeState::ScoresChanged);
    ASSERT_TRUE(saveStudentFile(student));
    auto expected = header(12, 12, 12, 12, 0, 0);
    appendInt(expected, 1);
    appendRecord(expected, record(13423, 1, 1, 12, 11));
    EXPECT_EQ(readBytes(student.path), expected);
}

TEST(StudentFile, RoundTripKeepsValuesAndHistory) {
    TempFolder folder;
    auto bytes = header(15, 10, 20, 8, 3, 7);
    appendInt(bytes, 2);
    appendRecord(bytes, record(100, 4, 5, 60, 59));
    appendRecord(bytes, record(101, 5, 0, 70, 3));
    writeBytes(folder.path() / "Cy.sbk", bytes);

    StudentRecord student;
    loadStudentFile(student, folder.path(), "Cy");
    EXPECT_EQ(student.addSubHigh, 15);
    EXPECT_EQ(student.mulDivHigh, 10);
    EXPECT_EQ(student.addSubPerMin, 20);
    EXPECT_EQ(student.mulDivPerMin, 8);
    EXPECT_EQ(student.lastLearnOp, 3);
    EXPECT_EQ(student.lastLearnNumber, 7);
    EXPECT_EQ(student.mixedHigh, 15);
    ASSERT_EQ(student.history.size(), 2u);
    EXPECT_EQ(student.history[1], record(101, 5, 0, 70, 3));
    EXPECT_FALSE(storedValuesChanged(student));
    EXPECT_EQ(student.changeState, ChangeState::Unchanged);

    // Only the Learn choice changes: the history is written back untouched.
    noteLearnChoice(student, 4, 9);
    EXPECT_EQ(student.changeState, ChangeState::LearnChoiceChanged);
    ASSERT_TRUE(saveStudentFile(student));
    auto expected = header(15, 10, 20, 8, 4, 9);
    expected.insert(expected.end(), bytes.begin() + 35, bytes.end());
    EXPECT_EQ(readBytes(student.path), expected);
}

TEST(StudentFile, LearnChoiceDoesNotDowngradeScoresChanged) {
    StudentRecord student;
    appendScore(student, 1, 1, 1, 1, 1);
    noteLearnChoice(student, 2, 5);
    EXPECT_EQ(student.changeState, ChangeState::ScoresChanged);

    StudentRecord other;
    noteLearnChoice(other, 0, 0); // the same choice as stored: nothing changes
    EXPECT_EQ(other.changeState, ChangeState::Unchanged);
}

TEST(StudentFile, FileEndingAtOffset35HasNoHistory) {
    TempFolder folder;
    writeBytes(folder.path() / "D.sbk", header(12, 12, 12, 12, 1, 3));
    StudentRecord student;
    loadStudentFile(student, folder.path(), "D");
    EXPECT_TRUE(student.history.empty());
    EXPECT_FALSE(student.loadedWithCount);
    ASSERT_TRUE(saveStudentFile(student));
    EXPECT_EQ(readBytes(student.path).size(), 35u);
}

TEST(StudentFile, CountsAreNeverTrusted) {
    TempFolder folder;
    // A negative count reads as 0.
    auto negative = header(12, 12, 12, 12, 0, 0);
    appendInt(negative, -5);
    appendRecord(negative, record(1, 1, 1, 1, 1));
    writeBytes(folder.path() / "Neg.sbk", negative);
    StudentRecord a;
    loadStudentFile(a, folder.path(), "Neg");
    EXPECT_TRUE(a.history.empty());

    // A count larger than the bytes hold takes only the whole records present.
    auto big = header(12, 12, 12, 12, 0, 0);
    appendInt(big, 1'000'000);
    appendRecord(big, record(1, 1, 1, 1, 1));
    appendRecord(big, record(2, 2, 2, 2, 2));
    big.push_back(0x55); // a torn third record
    writeBytes(folder.path() / "Big.sbk", big);
    StudentRecord b;
    loadStudentFile(b, folder.path(), "Big");
    ASSERT_EQ(b.history.size(), 2u);
    EXPECT_EQ(b.history[1], record(2, 2, 2, 2, 2));
}

TEST(StudentFile, AtMost1000RecordsAreTakenAndHeld) {
    TempFolder folder;
    auto bytes = header(12, 12, 12, 12, 0, 0);
    appendInt(bytes, 1200);
    for (int i = 0; i < 1200; ++i) {
        appendRecord(bytes, record(static_cast<std::uint16_t>(i), 1, 1, 10, 5));
    }
    writeBytes(folder.path() / "Full.sbk", bytes);
    StudentRecord student;
    loadStudentFile(student, folder.path(), "Full");
    ASSERT_EQ(student.history.size(), 1000u);
    EXPECT_EQ(student.history.back().date, 999);
    EXPECT_FALSE(appendScore(student, 5, 1, 1, 1, 1));
    EXPECT_EQ(student.history.size(), 1000u);
    EXPECT_EQ(student.changeState, ChangeState::Unchanged);
}

TEST(StudentFile, WrongMagicReadsAsANewChildAndIsReplacedWhole) {
    TempFolder folder;
    std::vector<unsigned char> junk(100, 0xAB);
    writeBytes(folder.path() / "E.sbk", junk);
    StudentRecord student;
    loadStudentFile(student, folder.path(), "E");
    EXPECT_EQ(student.addSubHigh, 12);
    EXPECT_TRUE(student.history.empty());
    EXPECT_TRUE(storedValuesChanged(student));
    ASSERT_TRUE(saveStudentFile(student));
    EXPECT_EQ(readBytes(student.path), header(12, 12, 12, 12, 0, 0)); // no stray old bytes
}

TEST(StudentFile, HeaderCutShortKeepsDefaultsForMissingValues) {
    TempFolder folder;
    auto bytes = header(20, 30, 12, 12, 0, 0);
    bytes.resize(17); // magic, addSubHigh and half of mulDivHigh
    writeBytes(folder.path() / "F.sbk", bytes);
    StudentRecord student;
    loadStudentFile(student, folder.path(), "F");
    EXPECT_EQ(student.addSubHigh, 20);
    EXPECT_EQ(student.loadedMulDivHigh, 0);
    EXPECT_EQ(student.mulDivHigh, 12);
    EXPECT_EQ(student.mixedHigh, 20);
}

TEST(StudentFile, FailedSaveLeavesTheOldFileAndSaysSo) {
    TempFolder folder;
    StudentRecord student;
    student.path = folder.path() / "missing-folder" / "G.sbk";
    EXPECT_FALSE(saveStudentFile(student));
    EXPECT_FALSE(std::filesystem::exists(student.path));
}
