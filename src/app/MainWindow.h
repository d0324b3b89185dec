#pragma once

#include "app/AppContext.h"
#include "practice/PracticeControls.h"

#include <QFont>
#include <QPoint>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

// The program's one top-level window: the toolbar and the practice area. Its life is the
// program's run.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Builds and initialises the window; the data folder is created or read at once and the
    // greeting is posted, to be shown once the window is visible.
    MainWindow(AppContext& context, const std::filesystem::path& dataFolderPath);

    AppContext& context() { return context_; }
    const PracticeControls& practiceControls() const { return controls_; }
    QPoint startPosition() const { return startPosition_; }

    // Carries out one command of the window (toolbar buttons, accelerators).
    void command(int id);

protected:
    void customEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QPushButton* addToolbarButton(int id, const char* text, int x);
    QLabel* addPracticeLabel(int id, const QRect& rect, Qt::Alignment alignment);
    void initialise(const std::filesystem::path& dataFolderPath);
    void setColours();
    void setFonts();
    void addAccelerators();
    void centreOnScreen();
    void greet();
    void clearPracticeArea();
    void openHelp(const std::string& caption);
    bool quitSequence();
    bool saveStudentOrAsk();

    AppContext& context_;
    PracticeControls controls_;
    QLabel* toolbarPanel_ = nullptr;
    QFont problemFont_;
    QFont instructionFont_;
    QPoint startPosition_;
    bool endingAtOnce_ = false;
};
