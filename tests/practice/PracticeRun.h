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
    CalendarDate today() const override { return {2026, 3, 15}; }
    void advance(double seconds) {
        monotonic += seconds;
        timeOfDay =
            timeOfDay + seconds >= 86400.0 ? timeOfDay + seconds - 86400.0 : timeOfDay + seconds;
    }
};

inline StudentRecord studentWithRange(int low, int high) {
    StudentRecord record;
    record.addSubLow = record.mulDivLow = record.mixedLow = low;
    record.addSubHigh = record.mulDivHigh = record.mixedHigh = high;
    record.addSubPerMin = record.mulDivPerMin = 12;
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

    explicit PracticeRun(int low = 1, int high = 12) : student(studentWithRange(low, high)) {}

    const PracticeView& view() const { return engine.view(); }

    void act() {
        for (const PracticeOutcome& o : engine.takeOutcomes()) {
            using Kind = PracticeOutcome::Kind;
            if (o.kind == Kind::Beep) {
                log += "beep ";
            } else if (o.kind == Kind::WrongAnswerMessage) {
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
            } else if (o.kind == Kind::RunCommand) {
                log += "run" + numberPlain(static_cast<int>(o.command)) + " ";
            } else {
                log += "say(" + o.text + ") ";
            }
        }
    }

    void learn(int operation, int number, bool showAll = false) {
        engine.beforeToolbarCommand(ToolbarButton::Learn);
        engine.startLearn(operation, number, showAll);
        act();
    }
    void drill(int kind, int secondsPerCard = 0) {
        engine.beforeToolbarCommand(ToolbarButton::Drill);
        engine.startDrill(kind, secondsPerCard);
        act();
    }
    void test(int kind, int minutes, int problemCount) {
        engine.beforeToolbarCommand(ToolbarButton::Test);
        engine.startTest(kind, minutes, problemCount);
        act();
    }

    // One letter a key: E Enter, S Space, X Escape, B Backspace, R the right answer, W a
    // wrong answer as long as the right one, p the right answer pasted with a leading 0,
    // t one second of the test timer, f a flash-card tick; digits are typed one by one
    // into the box when the child can reach it.
    void keys(const std::string& script) {
        for (char key : script) {
            const std::string box = view().answerText;
            const bool canType = view().answerBoxVisible && view().answerBoxEnabled;
            const std::string right = numberPlain(correctAnswer(currentProblem()));
            if (key == 'E') {
                engine.enter(std::nullopt);
            } else if (key == 'S') {
                engine.space();
            } else if (key == 'X') {
                engine.escape();
            } else if (key == 'B' && !box.empty()) {
                engine.answerTyped(box.substr(0, box.size() - 1));
            } else if (key == 't') {
                clock.advance(1.0);
                engine.tick();
            } else if (key == 'f') {
                engine.flashTick();
            } else if (key == 'p') {
                engine.answerTyped("0" + right);
            } else if (canType && (key == 'R' || key == 'W')) {
                std::string typed = right;
                if (key == 'W') {
                    typed.back() = typed.back() == '0' ? '1' : '0';
                }
                for (std::size_t n = 1; n <= typed.size(); ++n) {
                    engine.answerTyped(box + typed.substr(0, n));
                    act();
                }
            } else if (canType && key >= '0' && key <= '9') {
                engine.answerTyped(box + key);
            }
            act();
        }
    }

    // The problem on screen, read back from the view's texts.
    Problem currentProblem() const {
        const std::string ops[] = {"", " + ", " - ", " x ", " / "};
        int operation = 0;
        for (int i = 1; i <= 4; ++i) {
            operation = view().operatorText == ops[i] ? i : operation;
        }
        return {textToNumber(view().firstOperand), textToNumber(view().secondOperand), operation};
    }
};

inline std::string repeat(const std::string& keys, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) {
        all += keys;
    }
    return all;
}
