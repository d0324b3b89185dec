// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/FactPlan.h"
#include "practice/PracticeSession.h"

#include <cstdint>

// Fact practice: the facts of one operation the child does not know yet, asked as the
// FactPlan chooses (detect, practise, repair). An answer is typed as in Drill and judged once
// it is as long as the right answer (a shorter one on Enter): right within the child's limit,
// right but slower (Slow), or wrong. After a slow or wrong answer the right one stands in
// place of the box and the status line says so; Space shows it too, as a wrong answer. Enter
// then goes on; the plan asks a missed fact again a few problems later. The run ends when the
// plan is done or after about ten minutes, telling the facts learned. Every answer is
// reported as answered.
class FactPracticeSession : public PracticeSession {
public:
    // The grid of the operation's facts as the child's answers left them; limitMs: the time
    // a right answer may take to count as known.
    FactPracticeSession(PracticeScreen& screen, PracticeClock& clock, const FluencyGrid& grid,
                        std::uint32_t limitMs, std::uint64_t seed);

    void enter() override;
    void space() override;
    void answerTyped(const std::string& text) override;

    static constexpr double maxSeconds = 600; // the run ends at the first problem after this

private:
    enum class Step { Ready, Asking, Judged, Over };

    void ask();
    void judge();
    void verdict(AnswerOutcome outcome);
    void finish();

    FactPlan plan;
    int operation;
    std::uint32_t limitMs;
    Step step = Step::Ready;
    double startSeconds = 0;
};
