#pragma once

#include "practice/PracticeControls.h"
#include "practice/PracticeScreen.h"

#include <QObject>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

#include <functional>

class PracticeEngine;

// The practice screen over the main window's widgets. Owns the two timers and the time
// bar of a test; the wrong-answer message and the results window are opened through the
// hooks given to it.
class QtPracticeScreen : public QObject, public PracticeScreen {
    Q_OBJECT
public:
    using WrongAnswerHook =
        std::function<void(const std::string& text, const std::string& caption, int x, int y)>;
    using ResultsHook = std::function<void(const ResultsSummary& summary)>;

    QtPracticeScreen(const PracticeControls& controls, WrongAnswerHook showWrongAnswer,
                     ResultsHook showResults, QObject* parent = nullptr);

    // Sends the answer box's changes, both timers' ticks, nextButton clicks (Enter) and
    // showAnswerButton clicks (Space) to the engine.
    void attach(PracticeEngine& engine);

    QProgressBar* timeBar() const { return bar; }
    const QTimer& testTimer() const { return testTicks; }
    const QTimer& flashTimer() const { return flashTicks; }

    void setText(ControlId id, const std::string& text) override;
    std::string text(ControlId id) const override;
    void setVisible(ControlId id, bool visible) override;
    void setEnabled(ControlId id, bool enabled) override;
    void setFocus(ControlId id) override;
    ControlId focusedControl() const override;
    void setDefaultLook(ControlId toolbarButton, bool isDefault) override;
    void setStatusLabelWidth(int width) override;
    void createTimeBar(int maximumSeconds) override;
    void destroyTimeBar() override;
    void setTimeBarPosition(int seconds) override;
    void startTestTimer() override;
    void stopTestTimer() override;
    void startFlashTimer(int periodMs) override;
    void stopFlashTimer() override;
    void beep() override;
    void repaintAnswerArea() override;
    void showWrongAnswerMessage(const std::string& text, const std::string& caption, int x,
                                int y) override;
    void showResults(const ResultsSummary& summary) override;

private:
    QWidget* widget(ControlId id) const;

    PracticeControls controls;
    WrongAnswerHook wrongAnswerHook;
    ResultsHook resultsHook;
    PracticeEngine* engine = nullptr;
    QTimer testTicks;
    QTimer flashTicks;
    QPointer<QProgressBar> bar;
};
