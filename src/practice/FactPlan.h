// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/Fluency.h"
#include "practice/ProblemList.h"

#include <cstdint>
#include <optional>
#include <vector>

// Practice of the facts still to learn: detect, practise, repair.
//   Detect:   a short check of facts never tried, each asked once; a miss joins those to learn.
//   Practise: a few facts not yet known are taught one or two at a time by incremental
//             rehearsal: each is asked among known facts (up to knownPerUnknown between two
//             of its turns; fewer while the child knows few), until it has been answered right
//             within the limit timesToLearn times, then it joins the known facts.
//   Repair:   a known fact missed or slow becomes one to learn again, asked a few problems
//             later; a fact being learned that is missed or slow is also asked again soon.
// The plan is a state machine: next() gives the problem to ask, answer() reports how it went.
// The same grid, seed and answers always give the same problems.

enum class AnswerOutcome { Right, Wrong, Slow };

struct FactPlanOptions {
    std::size_t checkCount = 10;
    std::size_t learnCount = 4;
    std::size_t knownPerUnknown = 6;
    std::size_t askAgainAfter = 3;
    int timesToLearn = 3;
    std::size_t maxProblems = 300; // a run ends here whatever happens
};

class FactPlan {
public:
    FactPlan(const FluencyGrid& grid, std::uint64_t seed, FactPlanOptions options = {});

    // The problem to ask now; the same one until it is answered. Empty when the plan is done.
    std::optional<Problem> next();
    // How the child answered the problem next() gave; ignored when none is waiting.
    void answer(AnswerOutcome outcome);

    std::size_t asked() const { return step_; }
    // The facts taught in this run that reached timesToLearn.
    const std::vector<Problem>& learned() const { return learned_; }

private:
    enum class Role { Check, Learning, Known };
    struct Learning {
        Problem fact;
        int rights = 0;
        std::size_t dueAt = 0;
    };

    std::size_t gapAfter(std::size_t wanted) const;

    FactPlanOptions options_;
    std::vector<Problem> check_;   // still to ask, front first
    std::vector<Problem> pending_; // to learn, front first
    std::size_t checkMisses_ = 0;  // the first pending ones come from the check
    std::size_t introduced_ = 0;
    std::vector<Learning> active_;
    std::vector<Problem> known_;
    std::size_t nextKnown_ = 0;
    std::vector<Problem> learned_;
    std::size_t step_ = 0;
    std::optional<Problem> current_;
    Role role_ = Role::Known;
    std::size_t activeIndex_ = 0;
};
