// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/Fluency.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace {
// The operands and the operation in one key (the operation takes the top bits of a 64-bit
// hash of both operands, which are compared in full).
struct FactKey {
    int operation;
    std::int32_t first;
    std::int32_t second;
    bool operator==(const FactKey&) const = default;
};
struct FactKeyHash {
    std::size_t operator()(const FactKey& k) const {
        const std::uint64_t v = static_cast<std::uint64_t>(static_cast<std::uint32_t>(k.first))
                                    << 32 |
                                static_cast<std::uint32_t>(k.second);
        return static_cast<std::size_t>((v ^ static_cast<std::uint64_t>(k.operation) << 61) *
                                        0x9E3779B97F4A7C15ULL);
    }
};

struct Tries {
    const LoggedAnswer* last = nullptr;
    const LoggedAnswer* before = nullptr;
    std::uint32_t right = 0;
    std::uint32_t wrong = 0;
};

bool quickRight(const LoggedAnswer* a, std::uint32_t limitMs) {
    return a != nullptr && a->right && !a->timedOut && a->milliseconds <= limitMs;
}

FactState stateOf(const Tries& t, std::uint32_t limitMs) {
    if (t.last == nullptr) {
        return t.right + t.wrong == 0 ? FactState::NotTried : FactState::NotYet;
    }
    if (!t.last->right || t.last->timedOut) {
        return FactState::NotYet;
    }
    if (t.last->milliseconds > limitMs) {
        return FactState::Slow;
    }
    return quickRight(t.before, limitMs) ? FactState::Known : FactState::NotYet;
}

std::uint32_t held(std::uint64_t v) {
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(v, UINT32_MAX));
}
} // namespace

std::uint32_t answerLimitMs(std::uint32_t typingAllowanceMs) {
    return held(std::uint64_t{baseAnswerLimitMs} + typingAllowanceMs);
}

std::uint32_t childAnswerLimitMs(const AnswerLogContents& log) {
    std::uint32_t typing = 0;
    std::uint32_t chosen = 0;
    for (const LimitSetting& limit : log.limits) {
        (limit.source == LimitSource::GrownUp ? chosen : typing) = limit.milliseconds;
    }
    return chosen != 0 ? chosen : answerLimitMs(typing);
}

std::size_t FluencyGrid::count(FactState state) const {
    return static_cast<std::size_t>(std::count_if(
        cells.begin(), cells.end(), [state](const FactFluency& c) { return c.state == state; }));
}

Problem gridFact(int operation, int a, int b) {
    // Beyond the int range the operand wraps (C++20 defines it); no grid reaches that far.
    switch (operation) {
    case 2:
        return {static_cast<int>(std::int64_t{a} + b), b, 2};
    case 3:
        return {a, b, 3};
    case 4:
        return {static_cast<int>(std::int64_t{a} * b), b, 4};
    default:
        return {a, b, operation};
    }
}

FluencyGrid fluencyGrid(const AnswerLogContents& log, int operation, int firstLow, int firstHigh,
                        int secondLow, int secondHigh, std::uint32_t limitMs) {
    FluencyGrid grid{operation,
                     firstLow,
                     std::min(firstHigh, firstLow + maxOperandValues - 1),
                     secondLow,
                     std::min(secondHigh, secondLow + maxOperandValues - 1),
                     {}};
    std::unordered_map<FactKey, Tries, FactKeyHash> tries;
    for (const FactSummary& s : log.summaries) {
        if (s.operation == operation) {
            Tries& t = tries[{s.operation, s.first, s.second}];
            t.right = held(std::uint64_t{t.right} + s.right);
            t.wrong = held(std::uint64_t{t.wrong} + s.wrong);
        }
    }
    for (const LoggedAnswer& a : log.answers) {
        if (a.operation == operation) {
            Tries& t = tries[{a.operation, a.first, a.second}];
            t.before = t.last;
            t.last = &a;
            (a.right ? t.right : t.wrong) = held(std::uint64_t{a.right ? t.right : t.wrong} + 1);
        }
    }
    for (std::int64_t a = grid.firstLow; a <= grid.firstHigh; ++a) {
        for (std::int64_t b = grid.secondLow; b <= grid.secondHigh; ++b) {
            if (operation == 4 && b == 0) {
                continue;
            }
            FactFluency cell{gridFact(operation, static_cast<int>(a), static_cast<int>(b))};
            const auto found = tries.find({operation, cell.fact.first, cell.fact.second});
            if (found != tries.end()) {
                const Tries& t = found->second;
                cell.state = stateOf(t, limitMs);
                cell.lastMilliseconds = t.last != nullptr ? t.last->milliseconds : 0;
                cell.right = t.right;
                cell.wrong = t.wrong;
            }
            grid.cells.push_back(cell);
        }
    }
    return grid;
}

QString knownCountText(const FluencyGrid& grid) {
    // The count is an int of its own: lupdate does not read a cast among the arguments.
    const auto facts = static_cast<int>(grid.cells.size());
    //: the known facts of all the facts of a grid
    return QCoreApplication::translate("Fluency", "%1 of %n known", nullptr, facts)
        .arg(grid.count(FactState::Known));
}
