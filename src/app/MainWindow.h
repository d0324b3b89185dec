// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/AppContext.h"
#include "app/MainActions.h"
#include "app/MainWindowControls.h"
#include "practice/PracticeEngine.h"
#include "practice/QtPracticeClock.h"

#include <QHash>
#include <QMainWindow>
#include <QPoint>
#include <QTimer>

#include <filesystem>
#include <optional>
#include <string>

// The program's one top-level window: the toolbar and the practice area. A main window (not a
// bare widget), so assistive technology reads it as a frame. It runs the commands, passes what
// the child does to the practice engine, draws the engine's view and acts on its outcomes;
// what the child's record must take it passes on to the record's owner.
class ScreenReaderNotice;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The practice area starts empty; the child's record is read, never changed, here.
    explicit MainWindow(AppContext& context);

    AppContext& context() { return context_; }
    QPoint startPosition() const { return startPosition_; }
    // The control of that number (see MainWindowControls.h).
    QWidget* control(int id) const { return controls_.value(id); }
    const MainActions& actions() const { return actions_; }
    void openHelp(const std::string& caption);

signals:
    // A finished test's result, for the child's history: on the disk before the results show.
    void scoreEarned(const ScoreRecord& score);
    void learnChosen(int operation, int number);
    // One answered problem, for the child's answer log.
    void answered(const LoggedAnswer& answer);
    // The answer time limit was measured or chosen, for the child's answer log.
    void limitChosen(const LimitSetting& limit);
    // A command has run that may have changed the record (a printed score, a Config change).
    void recordMayHaveChanged();
    // The window has closed for good.
    void ended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new text size shows at once, the big numbers and instructions too.
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QWidget* buildControl(const MainWindowControl& entry, QWidget* problem);
    static QFont controlFont(ControlFont font, const QFont& base);
    void showButtonText(int id, const QString& text);
    void setColours();
    void connectActions();
    void watchKeys();
    bool pressToolbarButton(QObject* watched);
    void connectPractice();
    void centreOnScreen();
    void learn();
    void drill();
    void test();
    void report();
    void configure();
    void quit();

    // Every call into the engine goes through here: then the view is drawn and the outcomes
    // are acted on.
    template <typename Call> void practise(Call call) {
        call(engine_);
        showView(engine_.view());
        for (const PracticeOutcome& outcome : engine_.takeOutcomes()) {
            actOn(outcome);
        }
    }
    void showView(const PracticeView& view);
    void showProblem(const PracticeView& view);
    void showTimers(const PracticeView& view);
    void showFocus(const PracticeView& view);
    QWidget* focusTarget(const PracticeView& view) const;
    void speakChanges(const PracticeView& view);
    void actOn(const PracticeOutcome& outcome);
    void showWrongAnswer(const PracticeOutcome& outcome);
    void showResults(const PracticeOutcome& outcome);
    void announce(const std::string& text);
    void returnFocus();
    template <typename T> T* controlAs(int id) const { return qobject_cast<T*>(control(id)); }

    AppContext& context_;
    MainActions actions_;
    QWidget* client_ = nullptr; // the 640 x 400 client area holding every control
    QHash<int, QWidget*> controls_;
    ScreenReaderNotice* notice_ = nullptr;
    PracticeView spokenView_; // the view as the screen reader last told it
    QPoint startPosition_;
    QtPracticeClock clock_;
    PracticeEngine engine_;
    QTimer testTimer_;
    QTimer flashTimer_;
    int focusMovesShown_ = 0;
};
