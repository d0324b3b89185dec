// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/OperationKind.h"
#include "records/StudentRecord.h"

#include <cstdint>
#include <string>
#include <vector>

// One problem of a practice run: two operands and an operation (1 Add, 2 Sub, 3 Mult, 4 Div).
struct Problem {
    int first = 0;
    int second = 0;
    int operation = 0;

    bool operator==(const Problem&) const = default;
};

// Our own random generator, fully defined here so that the same seed gives the same numbers
// on every platform and compiler: SplitMix64 for the raw 64-bit values, and an unbiased
// rejection mapping onto a range. Printed test pages rely on this: never change it.
class RandomGenerator {
public:
    void seed(std::uint64_t seed);

    // The next raw 64-bit value of the SplitMix64 sequence.
    std::uint64_t nextRaw();

    // A number drawn uniformly from low to high, both inclusive; low when high < low.
    int randomInt(int low, int high);

private:
    std::uint64_t state = 0;
};

// The seed taken from the time of day: whole microseconds since midnight, so the fraction
// of the second is kept. Values outside one day (or not a number) are held at its ends.
std::uint64_t seedFromTimeOfDay(double secondsSinceMidnight);

// At most this many values are taken for each operand: a range wider than that is cut at
// its low end + maxOperandValues - 1, so a huge range typed into Configure or stored in a
// file never makes the list grow without bound (at most 4 x 500 x 500 problems).
constexpr int maxOperandValues = 500;

// Every admissible problem of the kind over the student's range for the kind, each once.
// Learn keeps the natural order (operation, first operand, second operand) with the first
// operand fixed to learnNumber; every other mode is shuffled after seeding with `seed`.
// A kind outside 1..7 or a range whose high end is below its low end gives an empty list.
std::vector<Problem> buildProblemList(OperationKind kind, PracticeMode mode,
                                      const StudentRecord& student, int learnNumber,
                                      RandomGenerator& random, std::uint64_t seed);

// Forward Fisher-Yates: for each slot i (from the first), j is drawn from i to the last
// slot and the two are exchanged. One draw per slot, including the last.
void shuffleProblemList(std::vector<Problem>& list, RandomGenerator& random);

// The answer of a problem. Division by 0 gives 0; a result beyond the int range is held at
// its ends. Division rounds to the nearest integer (it is exact for every listed problem).
int correctAnswer(const Problem& problem);

// " + ", " - ", " x ", " / " for operations 1 to 4; "" otherwise.
std::string operatorText(int operation);
