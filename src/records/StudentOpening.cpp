#include "records/StudentOpening.h"

#include "records/StudentFile.h"
#include "records/StudentSession.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
// True when the child takes the way on offered by goOnText.
bool askToGoOn(QWidget* owner, const QString& title, const QString& text, const QString& goOnText) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, owner);
    QPushButton* goOn = box.addButton(goOnText, QMessageBox::AcceptRole);
    QPushButton* other =
        box.addButton(QStringLiteral("Choose another name"), QMessageBox::RejectRole);
    box.setDefaultButton(other);
    box.exec();
    return box.clickedButton() == goOn;
}
} // namespace

bool openStudentOrAsk(QWidget* owner, StudentRecord& student,
                      const std::filesystem::path& dataFolder, const std::string& name) {
    student = StudentRecord{};
    const ReadOutcome read = loadStudentFile(student, dataFolder, name);
    if (read.status != ReadStatus::Loaded && read.status != ReadStatus::Missing) {
        if (!askToGoOn(owner, QStringLiteral("Results cannot be opened"),
                       unreadableStudentText(student, read.reason),
                       QStringLiteral("Go on without saving"))) {
            return false;
        }
        student.saving = Saving::Off;
        return true;
    }
    const LockOutcome lock = lockStudentFile(student);
    if (lock.status == LockStatus::HeldByOther) {
        if (!askToGoOn(owner, QStringLiteral("Already open"), heldStudentText(student, lock.holder),
                       QStringLiteral("Open read-only"))) {
            return false;
        }
        student.saving = Saving::ReadOnly;
    }
    return true;
}
