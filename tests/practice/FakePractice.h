#pragma once

#include "practice/PracticeClock.h"
#include "practice/PracticeEngine.h"
#include "practice/PracticeScreen.h"

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
    ControlId focus = ControlId::None;
    std::set<ControlId> defaultLook;
    int statusWidth = wideStatusWidth;
    bool timeBar = false;
    int timeBarMaximum = 0;
    int timeBarPosition = 0;
    bool testTimerRunning = false;
    bool flashTimerRunning = false;
    int flashPeriodMs = 0;
    int beeps = 0;
    int repaints = 0;
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
    void setVisible(ControlId id, bool visible) override {
        if (visible) {
            hidden.erase(id);
        } else {
            hidden.insert(id);
        }
    }
    void setEnabled(ControlId id, bool enabled) override {
        if (enabled) {
            disabled.erase(id);
        } else {
            disabled.insert(id);
        }
    }
    void setFocus(ControlId id) override {
        if (isVisible(id)) {
            focus = id;
        }
    }
    ControlId focusedControl() const override { return focus; }
    void setDefaultLook(ControlId id, bool isDefault) override {
        if (isDefault) {
            defaultLook.insert(id);
        } else {
            defaultLook.erase(id);
        }
    }
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
    void repaintAnswerArea() override { ++repaints; }
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

    // The child types digits into the answer box, one key at a time.
    void type(const std::string& digits) {
        for (char digit : digits) {
            if (!isVisible(ControlId::AnswerBox) || disabled.count(ControlId::AnswerBox) > 0) {
                return;
            }
            setText(ControlId::AnswerBox, text(ControlId::AnswerBox) + digit);
        }
    }
    void backspace() {
        std::string box = text(ControlId::AnswerBox);
        if (!box.empty()) {
            box.pop_back();
            setText(ControlId::AnswerBox, box);
        }
    }
    // "7 x 1 = " as the four problem labels show it.
    std::string problem() const {
        return text(ControlId::FirstOperand) + text(ControlId::Operator) +
               text(ControlId::SecondOperand) + text(ControlId::Equals);
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
