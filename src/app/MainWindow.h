// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/AppContext.h"
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

// The program's one top-level window: the toolbar and the practice area. Its life is the
// program's run. A main window (not a bare widget), so assistive technology reads it as a
// frame. It passes what the child does to the practice engine, draws the engine's view and
// acts on its outcomes.
class ScreenReaderNotice;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds and initialises the window; the data folder is created or read at once and the
    // greeting is queued, to be shown once the window is visible.
    MainWindow(AppContext& context, const std::filesystem::path& dataFolderPath);

    AppContext& context() { return context_; }
    QPoint startPosition() const { return startPosition_; }
    // The control of that number (see MainWindowControls.h).
    QWidget* control(int id) const { return controls_.value(id); }

    // Carries out one command of the window (toolbar buttons, accelerators).
    void command(int id);

    // The session ends at once (a logout, a shutdown, a kill signal): what the child did is in
    // the journal already and stays there, to be offered back at the next opening; the
    // child's lock is let go. Nothing is asked.
    void endKeepingSession();

signals:
    // The window has closed for good: the program ends, also when the help window (which
    // has no owner) is still open.
    void ended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QWidget* buildControl(const MainWindowControl& entry, QWidget* problem);
    static QFont controlFont(ControlFont font, const QFont& base);
    void showButtonText(int id, const QString& text);
    void initialise(const std::filesystem::path& dataFolderPath);
    void setColours();
    void addAccelerators();
    void connectPractice();
    void centreOnScreen();
    void greet();
    void learn();
    void drill();
    void test();
    void report();
    void configure();
    void openHelp(const std::string& caption);
    bool quitSequence();
    bool keepOrDropSession();
    bool saveStudentOrAsk();
    void saveSettingsAtQuit();
    void keepSession();
    void tellUnsavableFolder();
    void tellKeptForLater();

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
    void announce(const std::string& text);
    void returnFocus();
    std::optional<ToolbarButton> focusedToolbarButton() const;
    template <typename T> T* controlAs(int id) const { return qobject_cast<T*>(control(id)); }

    AppContext& context_;
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
    bool endingAtOnce_ = false;
    bool keepFailureTold_ = false; // the journal could not be written, and the child was told
    bool overflowTold_ = false;    // the history outgrew the file, and the child was told
    bool folderTold_ = false;      // nothing can be saved in the folder, and the child was told
    bool sessionClosed_ = false;   // the quit has kept or dropped the session
};
