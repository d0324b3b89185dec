#pragma once

#include "app/AppContext.h"
#include "practice/PracticeControls.h"
#include "practice/PracticeEngine.h"
#include "practice/PracticeIds.h"
#include "practice/QtPracticeClock.h"
#include "practice/QtPracticeScreen.h"

#include <QFont>
#include <QMainWindow>
#include <QPoint>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

// The program's one top-level window: the toolbar and the practice area. Its life is the
// program's run. A main window (not a bare widget), so assistive technology reads it as a
// frame.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds and initialises the window; the data folder is created or read at once and the
    // greeting is posted, to be shown once the window is visible.
    MainWindow(AppContext& context, const std::filesystem::path& dataFolderPath);

    AppContext& context() { return context_; }
    const PracticeEngine& engine() const { return *engine_; }
    const PracticeControls& practiceControls() const { return controls_; }
    QPoint startPosition() const { return startPosition_; }

    // Carries out one command of the window (toolbar buttons, accelerators).
    void command(int id);

signals:
    // The window has closed for good: the program ends, also when the help window (which
    // has no owner) is still open.
    void ended();

protected:
    void customEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QPushButton* addToolbarButton(ControlId id, const char* text, int x);
    QLabel* addPracticeLabel(ControlId id, const QRect& rect, Qt::Alignment alignment);
    void initialise(const std::filesystem::path& dataFolderPath);
    void setColours();
    void setFonts();
    void addAccelerators();
    void centreOnScreen();
    void greet();
    void startPracticeEngine();
    void learn();
    void drill();
    void test();
    void report();
    void configure();
    void openHelp(const std::string& caption);
    bool quitSequence();
    bool saveStudentOrAsk();

    AppContext& context_;
    PracticeControls controls_;
    QWidget* client_ = nullptr; // the 640 x 400 client area holding every control
    QLabel* toolbarPanel_ = nullptr;
    QFont problemFont_;
    QFont instructionFont_;
    QPoint startPosition_;
    std::unique_ptr<QtPracticeScreen> screen_;
    QtPracticeClock clock_;
    std::unique_ptr<PracticeEngine> engine_;
    bool endingAtOnce_ = false;
};
