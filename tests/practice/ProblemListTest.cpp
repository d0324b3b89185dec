#include "practice/ProblemList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

namespace {

StudentRecord studentWithRange(int low, int high) {
    StudentRecord student;
    student.addSubLow = low;
    student.addSubHigh = high;
    student.mulDivLow = low;
    student.mulDivHigh = high;
    student.mixedLow = low;
    student.mixedHigh = high;
    return student;
}

std::vector<Problem> build(OperationKind kind, PracticeMode mode, const StudentRecord& student,
                           int learnNumber = 0, std::uint64_t seed = 1) {
    RandomGenerator random;
    return buildProblemList(kind, mode, student, learnNumber, random, seed);
}

std::vector<Problem> learnTable(int operation, int first, std::vector<int> seconds) {
    std::vector<Problem> list;
    for (int second : seconds) {
        list.push_back({first, second, operation});
    }
    return list;
}

bool sameProblems(std::vector<Problem> left, std::vector<Problem> right) {
    auto key = [](const Problem& p) { return std::tie(p.operation, p.first, p.second); };
    auto less = [&](const Problem& a, const Problem& b) { return key(a) < key(b); };
    std::sort(left.begin(), left.end(), less);
    std::sort(right.begin(), right.end(), less);
    return left == right;
}

} // namespace

TEST(ProblemList, CountsForRangeOneToTwelve) {
    const StudentRecord student = studentWithRange(1, 12);
    const std::vector<std::pair<OperationKind, std::size_t>> expected = {
        {OperationKind::Add, 144},    {OperationKind::Sub, 78},    {OperationKind::Mult, 144},
        {OperationKind::Div, 35},     {OperationKind::Mixed, 401}, {OperationKind::AddSub, 222},
        {OperationKind::MultDiv, 179}};
    for (auto [kind, count] : expected) {
        EXPECT_EQ(build(kind, PracticeMode::Drill, student).size(), count) << opName(kind);
        EXPECT_EQ(build(kind, PracticeMode::Test, student).size(), count) << opName(kind);
    }
}

TEST(ProblemList, KindOutsideOneToSevenGivesEmptyList) {
    const StudentRecord student = studentWithRange(1, 12);
    EXPECT_TRUE(build(OperationKind::None, PracticeMode::Drill, student).empty());
    EXPECT_TRUE(build(static_cast<OperationKind>(8), PracticeMode::Drill, student).empty());
    EXPECT_TRUE(build(static_cast<OperationKind>(-1), PracticeMode::Learn, student, 3).empty());
}

TEST(ProblemList, LearnKeepsTheNaturalOrder) {
    const StudentRecord student = studentWithRange(1, 12);
    EXPECT_EQ(build(OperationKind::Add, PracticeMode::Learn, student, 7),
              learnTable(1, 7, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(build(OperationKind::Sub, PracticeMode::Learn, student, 5),
              learnTable(2, 5, {1, 2, 3, 4, 5}));
    EXPECT_EQ(build(OperationKind::Div, PracticeMode::Learn, student, 12),
              learnTable(4, 12, {1, 2, 3, 4, 6, 12}));
}

TEST(ProblemList, LearnOfAMixIsOrderedByOperationFirst) {
    const StudentRecord student = studentWithRange(1, 2);
    const std::vector<Problem> expected = {{2, 1, 3}, {2, 2, 3}, {2, 1, 4}, {2, 2, 4}};
    EXPECT_EQ(build(OperationKind::MultDiv, PracticeMode::Learn, student, 2), expected);
}

TEST(ProblemList, SubNeverNegativeAndDivAlwaysExact) {
    const StudentRecord student = studentWithRange(1, 12);
    for (const Problem& p : build(OperationKind::Mixed, PracticeMode::Drill, student)) {
        if (p.operation == 2) {
            EXPECT_GE(p.first, p.second);
        }
        if (p.operation == 4) {
            ASSERT_NE(p.second, 0);
            EXPECT_EQ(p.first % p.second, 0) << p.first << " / " << p.second;
        }
    }
    const auto div = build(OperationKind::Div, PracticeMode::Learn, student, 12);
    EXPECT_EQ(std::count(div.begin(), div.end(), Problem{12, 5, 4}), 0);
}

TEST(ProblemList, LowEndZeroNeverDividesByZero) {
    const StudentRecord student = studentWithRange(0, 3);
    const auto div = build(OperationKind::Div, PracticeMode::Learn, student, 0);
    EXPECT_EQ(div, learnTable(4, 0, {1, 2, 3})); // 0 / b is shown, 0 never divides
    const auto sub = build(OperationKind::Sub, PracticeMode::Learn, student, 2);
    EXPECT_EQ(sub, learnTable(2, 2, {0, 1, 2})); // a - 0 is shown
    // Div over 0..3: 0/1 0/2 0/3 1/1 2/1 2/2 3/1 3/3
    EXPECT_EQ(build(OperationKind::Div, PracticeMode::Drill, student).size(), 8u);
}

TEST(ProblemList, EmptyRangesGiveEmptyLists) {
    EXPECT_TRUE(build(OperationKind::Add, PracticeMode::Drill, studentWithRange(5, 4)).empty());
    EXPECT_TRUE(build(OperationKind::Add, PracticeMode::Learn, studentWithRange(5, 4), 5).empty());
    // Learn Sub of 0 with a range starting at 1: no b is at most 0.
    EXPECT_TRUE(build(OperationKind::Sub, PracticeMode::Learn, studentWithRange(1, 12), 0).empty());
}

TEST(ProblemList, HugeRangesAreCutToTheCeiling) {
    const StudentRecord student = studentWithRange(-2147483647 - 1, 2147483647);
    const auto add = build(OperationKind::Add, PracticeMode::Learn, student, 1);
    ASSERT_EQ(add.size(), static_cast<std::size_t>(maxOperandValues));
    EXPECT_EQ(add.front().second, -2147483647 - 1);
    EXPECT_EQ(add.back().second, -2147483647 - 1 + maxOperandValues - 1);

    const StudentRecord top = studentWithRange(2147483647 - 3, 2147483647);
    EXPECT_EQ(build(OperationKind::Add, PracticeMode::Drill, top).size(), 16u); // no overflow
    const auto mixed =
        build(OperationKind::Mixed, PracticeMode::Drill, studentWithRange(1, 100000));
    EXPECT_LE(mixed.size(), 4u * maxOperandValues * maxOperandValues);
    EXPECT_EQ(std::count_if(mixed.begin(), mixed.end(),
                            [](const Problem& p) {
                                return p.first > maxOperandValues || p.second > maxOperandValues;
                            }),
              0);
}

TEST(ProblemList, ShuffleKeepsEveryProblemOnce) {
    const StudentRecord student = studentWithRange(1, 12);
    const auto shuffled = build(OperationKind::Mixed, PracticeMode::Drill, student);
    EXPECT_EQ(shuffled.size(), 401u);
    const auto all = build(OperationKind::Mixed, PracticeMode::Test, student, 0, 99);
    EXPECT_TRUE(sameProblems(shuffled, all));
    EXPECT_NE(shuffled, all); // different seeds, different orders
}

TEST(ProblemList, SameSeedSameOrder) {
    const StudentRecord student = studentWithRange(1, 12);
    const auto first = build(OperationKind::Add, PracticeMode::PrintedTest, student, 0, 4711);
    const auto second = build(OperationKind::Add, PracticeMode::PrintedTest, student, 0, 4711);
    EXPECT_EQ(first, second);
    const auto moment =
        build(OperationKind::Add, PracticeMode::Drill, student, 0, seedFromTimeOfDay(3600.25));
    const auto later =
        build(OperationKind::Add, PracticeMode::Drill, student, 0, seedFromTimeOfDay(3600.5));
    EXPECT_NE(moment, later); // a moment apart, different orders
}

// Printed test pages are rebuilt from their Test ID: this order must never change.
TEST(ProblemList, GoldenOrderForTestIdSeven) {
    const StudentRecord student = studentWithRange(1, 3);
    const std::vector<Problem> golden = {{2, 1, 1}, {2, 3, 1}, {1, 3, 1}, {3, 1, 1}, {3, 3, 1},
                                         {1, 1, 1}, {3, 2, 1}, {1, 2, 1}, {2, 2, 1}};
    EXPECT_EQ(build(OperationKind::Add, PracticeMode::PrintedTest, student, 0, 7), golden);
}

TEST(RandomGenerator, FollowsTheSplitMix64Sequence) {
    RandomGenerator random;
    random.seed(1234567);
    EXPECT_EQ(random.nextRaw(), 6457827717110365317ULL);
    EXPECT_EQ(random.nextRaw(), 3203168211198807973ULL);
    EXPECT_EQ(random.nextRaw(), 9817491932198370423ULL);
}

TEST(RandomGenerator, RandomIntStaysInRangeAndReachesBothEnds) {
    RandomGenerator random;
    random.seed(42);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int value = random.randomInt(3, 9);
        ASSERT_GE(value, 3);
        ASSERT_LE(value, 9);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_EQ(random.randomInt(5, 5), 5);
    EXPECT_EQ(random.randomInt(5, 2), 5);
    // The full int range must not overflow the span: both signs come up.
    bool negative = false;
    bool positive = false;
    for (int i = 0; i < 64; ++i) {
        const int wide = random.randomInt(-2147483647 - 1, 2147483647);
        negative = negative || wide < 0;
        positive = positive || wide > 0;
    }
    EXPECT_TRUE(negative && positive);
}

TEST(RandomGenerator, SeedFromTimeOfDayKeepsTheFraction) {
    EXPECT_EQ(seedFromTimeOfDay(1.5), 1'500'000u);
    EXPECT_NE(seedFromTimeOfDay(100.25), seedFromTimeOfDay(100.0));
    EXPECT_EQ(seedFromTimeOfDay(-3.0), 0u);
    EXPECT_EQ(seedFromTimeOfDay(1e30), 86'400'000'000u);
}

TEST(ShuffleProblemList, OneEntryUnchangedAndOneDrawPerSlot) {
    RandomGenerator random;
    random.seed(3);
    std::vector<Problem> one = {{4, 5, 1}};
    shuffleProblemList(one, random);
    EXPECT_EQ(one, (std::vector<Problem>{{4, 5, 1}}));

    std::vector<Problem> empty;
    shuffleProblemList(empty, random);
    EXPECT_TRUE(empty.empty());

    // A shuffle of n slots uses exactly n draws: the generator ends where n draws leave it.
    RandomGenerator shuffler;
    RandomGenerator counter;
    shuffler.seed(11);
    counter.seed(11);
    std::vector<Problem> three = {{1, 1, 1}, {2, 2, 1}, {3, 3, 1}};
    shuffleProblemList(three, shuffler);
    counter.randomInt(0, 2);
    counter.randomInt(1, 2);
    counter.randomInt(2, 2);
    EXPECT_EQ(shuffler.nextRaw(), counter.nextRaw());
}

TEST(CorrectAnswer, EachOperationAndItsLimits) {
    EXPECT_EQ(correctAnswer({7, 8, 1}), 15);
    EXPECT_EQ(correctAnswer({7, 8, 2}), -1);
    EXPECT_EQ(correctAnswer({7, 8, 3}), 56);
    EXPECT_EQ(correctAnswer({56, 8, 4}), 7);
    EXPECT_EQ(correctAnswer({5, 2, 4}), 2); // 2.5 rounds to the even neighbour
    EXPECT_EQ(correctAnswer({7, 2, 4}), 4); // 3.5 rounds to the even neighbour
    EXPECT_EQ(correctAnswer({7, 0, 4}), 0);
    EXPECT_EQ(correctAnswer({7, 8, 0}), 0);
    EXPECT_EQ(correctAnswer({2147483647, 2, 3}), 2147483647);
    EXPECT_EQ(correctAnswer({-2147483647 - 1, 1, 2}), -2147483647 - 1);
}

TEST(OperatorText, FourOperatorsWithTheirBlanks) {
    EXPECT_EQ(operatorText(1), " + ");
    EXPECT_EQ(operatorText(2), " - ");
    EXPECT_EQ(operatorText(3), " x ");
    EXPECT_EQ(operatorText(4), " / ");
    EXPECT_EQ(operatorText(0), "");
    EXPECT_EQ(operatorText(5), "");
}
