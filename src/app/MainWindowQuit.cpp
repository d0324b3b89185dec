// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "records/StudentSession.h"

#include <QCloseEvent>
#include <QMessageBox>

// Quitting: the settings file, then the child's file, asking first when only the history or
// the Learn choice changed.

namespace {
QString qText(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

void MainWindow::closeEvent(QCloseEvent* event) {
    if (endingAtOnce_ || quitSequence()) {
        event->accept();
        emit ended();
    } else {
        event->ignore();
    }
}

bool MainWindow::quitSequence() {
    // Not fatal, but a Test ID printed again would give the same pages: the user is told.
    const WriteOutcome settings =
        saveSettingsIfDirty(context_.data.settingsPath, context_.settings);
    if (!settings) {
        QMessageBox::warning(this, QStringLiteral("Quit Program"),
                             QStringLiteral("The highest Test ID could not be saved in\n%1\n(%2)")
                                 .arg(pathText(context_.data.settingsPath), settings.reason));
    }
    // A child whose file could not be read was told at the greeting that nothing is saved.
    if (context_.student.studentName.empty() || context_.student.saving == Saving::Off) {
        return true;
    }
    if (storedValuesChanged(context_.student)) {
        return saveStudentOrAsk();
    }
    if (context_.student.changeState == ChangeState::Unchanged) {
        return true;
    }
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Quit Program"),
        QStringLiteral("Data has changed... Save it before quiting?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel) {
        return false;
    }
    return answer == QMessageBox::No || saveStudentOrAsk();
}

// Saves the child's file. A save that fails is not passed over in silence: the child's
// results would be lost, so the window stays open unless the user chooses to quit anyway.
bool MainWindow::saveStudentOrAsk() {
    for (;;) {
        const WriteOutcome saved = saveStudentSession(context_.student);
        if (saved) {
            return true;
        }
        const auto answer = QMessageBox::warning(
            this, QStringLiteral("Quit Program"),
            QStringLiteral("The results of %1 could not be saved in\n%2\n(%3)\n\n"
                           "Retry to try again, Discard to quit without saving, "
                           "or Cancel to keep the program open.")
                .arg(qText(context_.student.studentName), pathText(context_.student.path),
                     saved.reason),
            QMessageBox::Retry | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Retry);
        if (answer == QMessageBox::Discard) {
            return true;
        }
        if (answer == QMessageBox::Cancel) {
            return false;
        }
    }
}
