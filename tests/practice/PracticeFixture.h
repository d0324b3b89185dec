#pragma once

#include "common/NumberText.h"
#include "practice/PracticeClock.h"
#include "practice/PracticeEngine.h"
#include "practice/PracticeScreen.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

// A practice area in memory. Like the real answer box, setting the box's text calls the
// engine back; the child can type only into a visible, enabled box.
class FakePracticeScreen : public PracticeScreen {
public:
    struct Message {
        std::string text;
        std::string caption;
        int x = 0;
        int y = 0;
        std::string titleWhileOpen;
    };

    PracticeEngine* engine = nullptr;
    std::map<ControlId, std::string> texts;
    std::set<ControlId> hidden = {ControlId::NextButton, ControlId::ShowAnswerButton,
                                  ControlId::AnswerBox, ControlId::HappyImage};
    std::set<ControlId> disabled;
    std::set<ControlId> defaultLook;
    ControlId focus = ControlId::None;
    int statusWidth = wideStatusWidth;
    bool timeBar = false;
    int timeBarMaximum = 0;
    int timeBarPosition = 0;
    bool testTimerRunning = false;
    bool flashTimerRunning = false;
    int flashPeriodMs = 0;
    int beeps = 0;
    std::vector<Message> messages;
    std::vector<ResultsSummary> results;
    std::function<void()> whileResultsOpen;

    void setText(ControlId id, const std::string& text) override {
        texts[id] = text;
        if (id == ControlId::AnswerBox && engine != nullptr) {
            engine->answerChanged();
        }
    }
    std::string text(ControlId id) const override {
        auto found = texts.find(id);
        return found == texts.end() ? std::string() : found->second;
    }
    void setVisible(ControlId id, bool visible) override { mark(hidden, id, !visible); }
    void setEnabled(ControlId id, bool enabled) override { mark(disabled, id, !enabled); }
    void setFocus(ControlId id) override {
        if (isVisible(id)) {
            focus = id;
        }
    }
    ControlId focusedControl() const override { return focus; }
    void setDefaultLook(ControlId id, bool isDefault) override { mark(defaultLook, id, isDefault); }
    void setStatusLabelWidth(int width) override { statusWidth = width; }
    void createTimeBar(int maximumSeconds) override {
        timeBar = true;
        timeBarMaximum = maximumSeconds;
        timeBarPosition = 0;
    }
    void destroyTimeBar() override { timeBar = false; }
    void setTimeBarPosition(int seconds) override { timeBarPosition = seconds; }
    void startTestTimer() override { testTimerRunning = true; }
    void stopTestTimer() override { testTimerRunning = false; }
    void startFlashTimer(int periodMs) override {
        flashTimerRunning = true;
        flashPeriodMs = periodMs;
    }
    void stopFlashTimer() override { flashTimerRunning = false; }
    void beep() override { ++beeps; }
    void repaintAnswerArea() override {}
    void showWrongAnswerMessage(const std::string& text, const std::string& caption, int x,
                                int y) override {
        messages.push_back({text, caption, x, y, this->text(ControlId::TitleLabel)});
    }
    void showResults(const ResultsSummary& summary) override {
        results.push_back(summary);
        if (whileResultsOpen) {
            whileResultsOpen();
        }
    }

    bool isVisible(ControlId id) const { return hidden.count(id) == 0; }
    bool isDefault(ControlId id) const { return defaultLook.count(id) > 0; }
    bool isEnabled(ControlId id) const { return disabled.count(id) == 0; }

    // The child types digits into the answer box, one key at a time.
    void type(const std::string& digits) {
        for (char digit : digits) {
            if (isVisible(ControlId::AnswerBox) && isEnabled(ControlId::AnswerBox)) {
                setText(ControlId::AnswerBox, text(ControlId::AnswerBox) + digit);
            }
        }
    }
    // "7 x 1 = " as the four problem labels show it.
    std::string problem() const {
        return text(ControlId::FirstOperand) + text(ControlId::Operator) +
               text(ControlId::SecondOperand) + text(ControlId::Equals);
    }

private:
    static void mark(std::set<ControlId>& set, ControlId id, bool in) {
        if (in) {
            set.insert(id);
        } else {
            set.erase(id);
        }
    }
};

// A clock the test moves by hand.
class FakePracticeClock : public PracticeClock {
public:
    double timeOfDay = 36000.125;
    double monotonic = 5000.0;
    CalendarDate date{2026, 3, 15};

    double secondsSinceMidnight() const override { return timeOfDay; }
    double monotonicSeconds() const override { return monotonic; }
    CalendarDate today() const override { return date; }

    void advance(double seconds) {
        monotonic += seconds;
        timeOfDay += seconds;
        if (timeOfDay >= 86400.0) {
            timeOfDay -= 86400.0;
        }
    }
};

inline StudentRecord studentWithRange(int low, int high) {
    StudentRecord record;
    record.addSubLow = record.mulDivLow = record.mixedLow = low;
    record.addSubHigh = record.mulDivHigh = record.mixedHigh = high;
    record.addSubPerMin = record.mulDivPerMin = 12;
    return record;
}

// An engine over a fake screen and a fake clock, for a child whose ranges are 1 to 12.
struct PracticeRun {
    FakePracticeScreen screen;
    FakePracticeClock clock;
    StudentRecord student = studentWithRange(1, 12);
    std::vector<int> commandsSent;
    PracticeEngine engine{screen, clock, student, ScreenPoint{100, 50},
                          [this](int command) { commandsSent.push_back(command); }};

    PracticeRun() { screen.engine = &engine; }

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

    // The child's keys, one letter each: E Enter, S Space, X Escape, B Backspace, R the right
    // answer, W a wrong answer as long as the right one; digits are typed.
    void keys(const std::string& script) {
        for (char key : script) {
            std::string box = screen.text(ControlId::AnswerBox);
            if (key == 'E') {
                engine.cmdEnter();
            } else if (key == 'S') {
                engine.cmdSpace();
            } else if (key == 'X') {
                engine.cmdEscape();
            } else if (key == 'B' && !box.empty()) {
                box.pop_back();
                screen.setText(ControlId::AnswerBox, box);
            } else if (key == 'R' || key == 'W') {
                std::string typed = answerText();
                if (key == 'W') {
                    typed.back() = typed.back() == '0' ? '1' : '0';
                }
                screen.type(typed);
            } else if (key >= '0' && key <= '9') {
                screen.type(std::string(1, key));
            }
        }
    }
    // Keys R and E, `count` times: right answers to as many problems.
    void answerRight(int count) {
        for (int i = 0; i < count; ++i) {
            keys("RE");
        }
    }
    std::string answerText() const { return numberPlain(correctAnswer(engine.state().current)); }

    // Advances the clock one second at a time, ticking like the timers.
    void ticks(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.advance(1.0);
            engine.timerTick();
        }
    }

    const PracticeState& state() const { return engine.state(); }
    std::string text(ControlId id) const { return screen.text(id); }
    bool visible(ControlId id) const { return screen.isVisible(id); }
};

class PracticeFixture : public ::testing::Test, public PracticeRun {};
