// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include "app/MainWindow.h"
#include "common/DialogFrame.h"
#include "common/Version.h"
#include "help/HelpFile.h"
#include "help/HelpInstall.h"
#include "help/HelpLanguage.h"
#include "help/HelpLocation.h"
#include "records/GreetingDialog.h"
#include "records/StudentFolder.h"
#include "records/StudentOpening.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QTimer>

Application::Application(const std::filesystem::path& dataFolderPath, const std::string& language) {
    context_.language = language;
    window_ = std::make_unique<MainWindow>(context_);
    session_ = std::make_unique<ChildSession>(context_, window_.get());
    prepareDataFolder(dataFolderPath);
    window_->installEventFilter(this);
    connect(window_.get(), &MainWindow::scoreEarned, this,
            [this](const ScoreRecord& score) { session_->addScore(score); });
    connect(window_.get(), &MainWindow::learnChosen, this,
            [this](int operation, int number) { session_->noteLearnChoice(operation, number); });
    connect(window_.get(), &MainWindow::answered, this,
            [this](const LoggedAnswer& answer) { session_->addAnswer(answer); });
    connect(window_.get(), &MainWindow::limitChosen, this,
            [this](const LimitSetting& limit) { session_->addLimit(limit); });
    connect(window_.get(), &MainWindow::recordMayHaveChanged, this, [this] { session_->keep(); });
    connect(window_.get(), &MainWindow::ended, this, &Application::ended);
    QTimer::singleShot(0, this, &Application::greet); // once the window is shown
}

Application::~Application() = default;

void Application::show() {
    window_->show();
}

// Problems with the folder, the settings or the help file are told before the greeting; none
// of them stops the program.
void Application::prepareDataFolder(const std::filesystem::path& dataFolderPath) {
    initDataFolder(dataFolderPath, context_.data, context_.settings);
    const ReadOutcome& settingsRead = context_.data.settingsRead;
    if (settingsRead.status != ReadStatus::Loaded && settingsRead.status != ReadStatus::Missing) {
        QMessageBox::warning(nullptr, tr("Settings not read"),
                             settingsProblemText(context_.data.settingsPath, settingsRead.reason));
    }
    installHelpFile(context_.data.helpPath, installedHelpFilePath());
    if (!context_.language.empty()) {
        installHelpFile(helpFileOfLanguage(context_.data.helpPath, context_.language),
                        installedHelpFilePath(context_.language));
    }
    if (!HelpFile::isDataFile(chooseHelpFile(context_.data.helpPath, context_.language))) {
        QMessageBox::critical(nullptr, tr("Helpfile not found"), tr("Help is unavailable"));
    }
}

void Application::greet() {
    session_->tellUnsavableFolder();
    GreetingDialog greeting(window_.get(), context_.data.studentNames,
                            [this]() { window_->openHelp(""); });
    if (runCentredWindowModal(greeting) != QDialog::Accepted) {
        endingAtOnce_ = true; // no quit sequence: nothing has been opened or written
        window_->close();     // the last window: the program ends
        return;
    }
    const std::string& name = greeting.confirmedName();
    if (!openStudentOrAsk(window_.get(), context_.student, context_.data.folder, name)) {
        QTimer::singleShot(0, this, &Application::greet); // another name
        return;
    }
    session_->openAnswerLog();
    window_->setWindowTitle(tr("Tallyburrow (ver %1) - %2")
                                .arg(QString::fromLatin1(appVersionText), displayName(name)));
    window_->activateWindow();
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.get() && event->type() == QEvent::Close && !endingAtOnce_ &&
        !session_->quit()) {
        event->ignore();
        return true; // the child chose to stay
    }
    return QObject::eventFilter(watched, event);
}

void Application::endKeepingSession() {
    session_->endKeeping();
}
