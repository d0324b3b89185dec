// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/ProblemList.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

void RandomGenerator::seed(std::uint64_t seed) {
    state = seed;
}

std::uint64_t RandomGenerator::nextRaw() {
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int RandomGenerator::randomInt(int low, int high) {
    if (high <= low) {
        return low;
    }
    const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) -
                                                          static_cast<std::int64_t>(low)) +
                               1;
    // Values below the threshold would make the low results slightly more likely.
    const std::uint64_t threshold = (0 - span) % span;
    std::uint64_t raw = nextRaw();
    while (raw < threshold) {
        raw = nextRaw();
    }
    return static_cast<int>(static_cast<std::int64_t>(low) + static_cast<std::int64_t>(raw % span));
}

std::uint64_t seedFromTimeOfDay(double secondsSinceMidnight) {
    constexpr double secondsPerDay = 86400.0;
    if (!(secondsSinceMidnight > 0.0)) {
        return 0;
    }
    const double seconds = std::min(secondsSinceMidnight, secondsPerDay);
    return static_cast<std::uint64_t>(std::llround(seconds * 1'000'000.0));
}

namespace {

struct OperandRange {
    std::int64_t low = 0;
    std::int64_t high = -1;
};

OperandRange rangeForKind(OperationKind kind, const StudentRecord& student) {
    switch (kind) {
    case OperationKind::Add:
    case OperationKind::Sub:
    case OperationKind::AddSub:
        return {student.addSubLow, student.addSubHigh};
    case OperationKind::Mult:
    case OperationKind::Div:
    case OperationKind::MultDiv:
        return {student.mulDivLow, student.mulDivHigh};
    case OperationKind::Mixed:
        return {student.mixedLow, student.mixedHigh};
    default:
        return {};
    }
}

std::vector<int> operationsForKind(OperationKind kind) {
    switch (kind) {
    case OperationKind::Add:
    case OperationKind::Sub:
    case OperationKind::Mult:
    case OperationKind::Div:
        return {static_cast<int>(kind)};
    case OperationKind::Mixed:
        return {1, 2, 3, 4};
    case OperationKind::AddSub:
        return {1, 2};
    case OperationKind::MultDiv:
        return {3, 4};
    default:
        return {};
    }
}

OperandRange limitedRange(OperandRange range) {
    range.high = std::min(range.high, range.low + maxOperandValues - 1);
    return range;
}

bool admissible(int operation, std::int64_t first, std::int64_t second) {
    if (operation == 2) {
        return second <= first;
    }
    if (operation == 4) {
        return second != 0 && first % second == 0;
    }
    return true;
}

void appendOperation(std::vector<Problem>& list, int operation, OperandRange firstRange,
                     OperandRange secondRange) {
    for (std::int64_t first = firstRange.low; first <= firstRange.high; ++first) {
        for (std::int64_t second = secondRange.low; second <= secondRange.high; ++second) {
            if (admissible(operation, first, second)) {
                list.push_back({static_cast<int>(first), static_cast<int>(second), operation});
            }
        }
    }
}

} // namespace

std::vector<Problem> buildProblemList(OperationKind kind, PracticeMode mode,
                                      const StudentRecord& student, int learnNumber,
                                      RandomGenerator& random, std::uint64_t seed) {
    const OperandRange range = limitedRange(rangeForKind(kind, student));
    const std::vector<int> operations = operationsForKind(kind);
    std::vector<Problem> list;
    if (range.high < range.low || operations.empty()) {
        return list;
    }
    const auto width = static_cast<std::size_t>(range.high - range.low + 1);
    list.reserve(width * width * operations.size());
    const bool learn = mode == PracticeMode::Learn;
    const OperandRange firstRange = learn ? OperandRange{learnNumber, learnNumber} : range;
    for (int operation : operations) {
        appendOperation(list, operation, firstRange, range);
    }
    if (!learn) {
        random.seed(seed);
        shuffleProblemList(list, random);
    }
    return list;
}

void shuffleProblemList(std::vector<Problem>& list, RandomGenerator& random) {
    const int count = static_cast<int>(list.size());
    for (int slot = 0; slot < count; ++slot) {
        const int other = random.randomInt(slot, count - 1);
        if (other != slot) {
            std::swap(list[static_cast<std::size_t>(slot)], list[static_cast<std::size_t>(other)]);
        }
    }
}

int correctAnswer(const Problem& problem) {
    const std::int64_t first = problem.first;
    const std::int64_t second = problem.second;
    std::int64_t answer = 0;
    switch (problem.operation) {
    case 1:
        answer = first + second;
        break;
    case 2:
        answer = first - second;
        break;
    case 3:
        answer = first * second;
        break;
    case 4:
        answer = second == 0 ? 0
                             : static_cast<std::int64_t>(roundHalfEven(
                                   static_cast<double>(first) / static_cast<double>(second)));
        break;
    default:
        break;
    }
    answer = std::clamp<std::int64_t>(answer, std::numeric_limits<int>::min(),
                                      std::numeric_limits<int>::max());
    return static_cast<int>(answer);
}

std::string operatorText(int operation) {
    switch (operation) {
    case 1:
        return " + ";
    case 2:
        return " - ";
    case 3:
        return " x ";
    case 4:
        return " / ";
    default:
        return "";
    }
}
