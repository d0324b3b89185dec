#pragma once

#include "FakePractice.h"
#include "common/NumberText.h"

#include <gtest/gtest.h>

// An engine over a fake screen and a fake clock, for a child whose ranges are 1 to 12.
class PracticeFixture : public ::testing::Test {
protected:
    FakePracticeScreen screen;
    FakePracticeClock clock;
    StudentRecord student = studentWithRange(1, 12);
    std::vector<int> commandsSent;
    PracticeEngine engine{screen, clock, student, ScreenPoint{100, 50},
                          [this](int command) { commandsSent.push_back(command); }};

    PracticeFixture() { screen.engine = &engine; }

    static StudentRecord studentWithRange(int low, int high) {
        StudentRecord record;
        record.addSubLow = record.mulDivLow = record.mixedLow = low;
        record.addSubHigh = record.mulDivHigh = record.mixedHigh = high;
        record.addSubPerMin = record.mulDivPerMin = 12;
        return record;
    }

    void setRange(int low, int high) {
        student.addSubLow = student.mulDivLow = student.mixedLow = low;
        student.addSubHigh = student.mulDivHigh = student.mixedHigh = high;
    }

    // What the toolbar button and a confirmed option dialog do.
    void learn(int operation, int number, bool showAll = false) {
        engine.beforeToolbarCommand(PracticeCommand::learn);
        engine.startLearn(operation, number, showAll);
    }
    void drill(int kind, int secondsPerCard = 0) {
        engine.beforeToolbarCommand(PracticeCommand::drill);
        engine.startDrill(kind, secondsPerCard);
    }
    void test(int kind, int minutes, int problemCount) {
        engine.beforeToolbarCommand(PracticeCommand::test);
        engine.startTest(kind, minutes, problemCount);
    }

    void enter() { engine.cmdEnter(); }
    void space() { engine.cmdSpace(); }
    int answer() const { return correctAnswer(engine.state().current); }
    std::string answerText() const { return numberPlain(answer()); }
    void typeRightAnswer() { screen.type(answerText()); }
    // A wrong answer as long as the right one: its last digit changed.
    void typeWrongAnswer() {
        std::string wrong = answerText();
        wrong.back() = wrong.back() == '0' ? '1' : '0';
        screen.type(wrong);
    }

    // Advances the clock one second at a time, ticking like the timers.
    void ticks(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.advance(1.0);
            engine.timerTick();
        }
    }

    std::string text(ControlId id) const { return screen.text(id); }
    bool visible(ControlId id) const { return screen.isVisible(id); }
};
