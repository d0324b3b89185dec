// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/FactPlan.h"

#include <algorithm>

namespace {
std::vector<Problem> factsIn(const FluencyGrid& grid, FactState state, RandomGenerator& random) {
    std::vector<Problem> facts;
    for (const FactFluency& cell : grid.cells) {
        if (cell.state == state) {
            facts.push_back(cell.fact);
        }
    }
    shuffleProblemList(facts, random);
    return facts;
}
} // namespace

FactPlan::FactPlan(const FluencyGrid& grid, std::uint64_t seed, FactPlanOptions options)
    : options_(options) {
    RandomGenerator random;
    random.seed(seed);
    check_ = factsIn(grid, FactState::NotTried, random);
    check_.resize(std::min(check_.size(), options_.checkCount));
    pending_ = factsIn(grid, FactState::NotYet, random);
    const std::vector<Problem> slow = factsIn(grid, FactState::Slow, random);
    pending_.insert(pending_.end(), slow.begin(), slow.end());
    known_ = factsIn(grid, FactState::Known, random);
}

std::size_t FactPlan::gapAfter(std::size_t wanted) const {
    return std::min(wanted, known_.size());
}

std::optional<Problem> FactPlan::next() {
    if (current_ || step_ >= options_.maxProblems) {
        return current_;
    }
    if (!check_.empty()) {
        role_ = Role::Check;
        current_ = check_.front();
        return current_;
    }
    const auto soonest =
        std::min_element(active_.begin(), active_.end(),
                         [](const Learning& a, const Learning& b) { return a.dueAt < b.dueAt; });
    const bool due = soonest != active_.end() && soonest->dueAt <= step_;
    if (!due && active_.size() < 2 && introduced_ < options_.learnCount && !pending_.empty()) {
        active_.push_back({pending_.front(), 0, step_});
        pending_.erase(pending_.begin());
        checkMisses_ -= checkMisses_ > 0 ? 1 : 0;
        ++introduced_;
        activeIndex_ = active_.size() - 1;
    } else if (due || (soonest != active_.end() && known_.empty())) {
        activeIndex_ = static_cast<std::size_t>(soonest - active_.begin());
    } else if (!active_.empty()) {
        role_ = Role::Known;
        nextKnown_ %= known_.size();
        current_ = known_[nextKnown_];
        return current_;
    } else {
        return std::nullopt;
    }
    role_ = Role::Learning;
    current_ = active_[activeIndex_].fact;
    return current_;
}

void FactPlan::answer(AnswerOutcome outcome) {
    if (!current_) {
        return;
    }
    const Problem fact = *current_;
    const bool right = outcome == AnswerOutcome::Right;
    const std::size_t again = step_ + 1 + gapAfter(options_.askAgainAfter);
    switch (role_) {
    case Role::Check:
        check_.erase(check_.begin());
        if (right) {
            known_.push_back(fact);
        } else {
            pending_.insert(pending_.begin() + static_cast<std::ptrdiff_t>(checkMisses_++), fact);
        }
        break;
    case Role::Learning: {
        Learning& learning = active_[activeIndex_];
        if (!right) {
            learning.dueAt = again;
        } else if (++learning.rights >= options_.timesToLearn) {
            learned_.push_back(fact);
            known_.push_back(fact);
            active_.erase(active_.begin() + static_cast<std::ptrdiff_t>(activeIndex_));
        } else {
            learning.dueAt = step_ + 1 + gapAfter(options_.knownPerUnknown);
        }
        break;
    }
    case Role::Known:
        if (right) {
            ++nextKnown_;
        } else {
            known_.erase(known_.begin() + static_cast<std::ptrdiff_t>(nextKnown_));
            active_.push_back({fact, 0, step_ + 1 + gapAfter(options_.askAgainAfter)});
        }
        break;
    }
    current_.reset();
    ++step_;
}
