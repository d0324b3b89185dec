#include "app/MainWindow.h"

#include "records/StudentFile.h"

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
    saveSettingsIfDirty(context_.data, context_.settings);
    if (context_.student.studentName.empty()) {
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
    while (!saveStudentFile(context_.student)) {
        const auto answer = QMessageBox::warning(
            this, QStringLiteral("Quit Program"),
            QStringLiteral("The results of %1 could not be saved in\n%2\n\n"
                           "Retry to try again, Discard to quit without saving, "
                           "or Cancel to keep the program open.")
                .arg(qText(context_.student.studentName),
                     QString::fromStdU16String(context_.student.path.u16string())),
            QMessageBox::Retry | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Retry);
        if (answer == QMessageBox::Discard) {
            return true;
        }
        if (answer == QMessageBox::Cancel) {
            return false;
        }
    }
    return true;
}
