// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/AppContext.h"
#include "app/ChildSession.h"

#include <QObject>

#include <filesystem>
#include <memory>
#include <string>

class MainWindow;

// The program's run: it prepares the data folder, greets the child, opens the child's record
// and owns it (every change goes through the child's session), and decides the quit. The
// main window shows the practice area and passes on what the record must take.
class Application : public QObject {
    Q_OBJECT
public:
    // Prepares the data folder (problems are told at once) and builds the main window; the
    // greeting comes once the window is shown. `language` is the code of the program's
    // language (empty for English), whose help file is brought in and opened first.
    explicit Application(const std::filesystem::path& dataFolderPath,
                         const std::string& language = {});
    ~Application() override;

    AppContext& context() { return context_; }
    MainWindow& window() { return *window_; }
    void show();

    // A logout, a shutdown or a kill signal: the session is kept and the program ends at once.
    void endKeepingSession();

signals:
    // The main window has closed for good: the program ends, also when the help window
    // (which has no owner) is still open.
    void ended();

protected:
    // Decides the main window's close: the quit sequence may keep it open.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepareDataFolder(const std::filesystem::path& dataFolderPath);
    void greet();

    AppContext context_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<ChildSession> session_;
    bool endingAtOnce_ = false; // the greeting was cancelled: nothing to save
};
