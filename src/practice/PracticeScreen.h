#pragma once

#include "practice/PracticeIds.h"
#include "practice/ResultsSummary.h"

#include <string>

// What the practice engine needs from the practice area of the main window.
// Setting the text of the answer box must call the engine's answerChanged() back, also
// when the engine sets it itself, exactly as typing does.
class PracticeScreen {
public:
    virtual ~PracticeScreen() = default;

    virtual void setText(ControlId id, const std::string& text) = 0;
    virtual std::string text(ControlId id) const = 0;
    virtual void setVisible(ControlId id, bool visible) = 0;
    virtual void setEnabled(ControlId id, bool enabled) = 0;

    // Focus does not move to a hidden control.
    virtual void setFocus(ControlId id) = 0;
    // The control with the keyboard focus; ControlId::None for any other widget.
    virtual ControlId focusedControl() const = 0;
    virtual void setDefaultLook(ControlId toolbarButton, bool isDefault) = 0;
    virtual void setStatusLabelWidth(int width) = 0; // height stays 20

    virtual void createTimeBar(int maximumSeconds) = 0;
    virtual void destroyTimeBar() = 0;
    virtual void setTimeBarPosition(int seconds) = 0;

    virtual void startTestTimer() = 0; // every second
    virtual void stopTestTimer() = 0;
    virtual void startFlashTimer(int periodMs) = 0; // restarts a running timer
    virtual void stopFlashTimer() = 0;

    virtual void beep() = 0;
    virtual void repaintAnswerArea() = 0;

    // Modal: returns when the child has closed the window.
    virtual void showWrongAnswerMessage(const std::string& text, const std::string& caption, int x,
                                        int y) = 0;
    virtual void showResults(const ResultsSummary& summary) = 0;
};
