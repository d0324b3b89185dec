// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/NumberText.h"
#include "practice/PracticeEngine.h"

#include <string>

// A clock the test moves by hand.
struct FakeClock : PracticeClock {
    double timeOfDay = 36000.125;
    double monotonic = 5000.0;
    double secondsSinceMidnight() const override { return timeOfDay; }
    double monotonicSeconds() const override { return monotonic; }
    QDate today() const override { return {2026, 3, 15}; }
    void advance(double seconds) {
        monotonic += seconds;
        timeOfDay += timeOfDay + seconds >= 86400.0 ? seconds - 86400.0 : seconds;
    }
};

inline StudentRecord studentWithRange(int low, int high) {
    StudentRecord record;
    record.addSubLow = record.mulDivLow = record.mixedLow = low;
    record.addSubHigh = record.mulDivHigh = record.mixedHigh = high;
    return record;
}

// The engine with the main window's part played in memory: the child's keys go in, the
// outcomes are logged and answered as the main window answers them.
struct PracticeRun {
    FakeClock clock;
    StudentRecord student = studentWithRange(1, 12);
    PracticeEngine engine{clock, student};
    std::string log;
    std::vector<ResultsSummary> results;
    AnswerLogContents answerLog; // what the app appends the answers and limits to
    bool logAnswers = false;     // the answers and limits join the log: "[3:7,2 R 1500] "

    PracticeView view() const { return engine.view(); }
    void act() {
        for (const PracticeOutcome& o : engine.takeOutcomes()) {
            using Kind = PracticeOutcome::Kind;
            if (o.kind == Kind::WrongAnswerMessage) {
                log += "wrong(" + view().title + ") ";
                engine.wrongAnswerMessageClosed();
            } else if (o.kind == Kind::TestFinished) {
                log += "results " + numberPlain(o.summary.correctCount) + "/" +
                       numberPlain(o.summary.testProblemCount) + " w" +
                       numberPlain(static_cast<long long>(o.summary.wrongList.size())) + " ";
                results.push_back(o.summary);
                const ScoreRecord& r = o.record;
                appendScore(student, r.date, r.kind, r.timeLimit, r.problems, r.correct);
                engine.resultsClosed();
            } else if (o.kind == Kind::LearnChosen) {
                noteLearnChoice(student, o.operation, o.number);
            } else if (o.kind == Kind::Answered || o.kind == Kind::LimitMeasured) {
                const LoggedAnswer& a = o.answer;
                const bool answer = o.kind == Kind::Answered;
                answer ? answerLog.answers.push_back(a) : answerLog.limits.push_back(o.limit);
                log += !logAnswers ? ""
                       : answer    ? "[" + numberPlain(a.operation) + ":" + numberPlain(a.first) +
                                      "," + numberPlain(a.second) + (a.right ? " R " : " W ") +
                                      numberPlain(a.milliseconds) + "] "
                                : "[limit " + numberPlain(o.limit.milliseconds) + "] ";
            } else {
                log += o.kind == Kind::Beep ? "beep " : "say(" + o.text + ") ";
            }
        }
    }
    // What a toolbar button and its confirmed option dialog do.
    void start(ToolbarButton button, int kind, int value = 0, int count = 0) {
        engine.beforeToolbarCommand(button);
        button == ToolbarButton::Learn   ? engine.startLearn(kind, value, count != 0)
        : button == ToolbarButton::Drill ? engine.startDrill(kind, value)
                                         : engine.startTest(kind, value, count);
        act();
    }
    // One letter a key: E Enter, S Space, X Escape, B Backspace, R the right answer, W a
    // wrong answer as long as the right one, p the right answer pasted with a leading 0,
    // t one second of the test timer, f a flash-card tick, n the typing check's number;
    // digits are typed into the box when the child can reach it.
    void keys(const std::string& script) {
        for (char key : script) {
            const std::string box = view().answerText;
            const bool canType = view().answerBoxVisible && view().answerBoxEnabled;
            std::string right =
                key == 'n' ? view().firstOperand : numberPlain(correctAnswer(currentProblem()));
            if (key == 'E' || key == 'S' || key == 'X') {
                key == 'E' ? engine.enter() : key == 'S' ? engine.space() : engine.escape();
            } else if (key == 'B' && !box.empty()) {
                engine.answerTyped(box.substr(0, box.size() - 1));
            } else if (key == 't' || key == 'f') {
                clock.advance(key == 't' ? 1.0 : 0.0);
                engine.tick();
            } else if (key == 'p') {
                engine.answerTyped("0" + right);
            } else if (canType && !right.empty() && (key == 'R' || key == 'W' || key == 'n')) {
                right.back() = key != 'W' ? right.back() : right.back() == '0' ? '1' : '0';
                for (std::size_t n = 1; n <= right.size(); ++n) {
                    engine.answerTyped(box + right.substr(0, n));
                    act();
                }
            } else if (canType && key >= '0' && key <= '9') {
                engine.answerTyped(box + key);
            }
            act();
        }
    }
    // The problem on screen; none gives the answer 0.
    Problem currentProblem() const { return engine.state().problem.value_or(Problem{}); }
};

inline std::string repeat(const std::string& keys, int times) {
    std::string all;
    while (times-- > 0)
        all += keys;
    return all;
}
