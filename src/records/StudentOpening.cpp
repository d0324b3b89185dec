// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentOpening.h"

#include "records/StudentSession.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
// True when the child takes the way on the question offers.
bool askToGoOn(QWidget* owner, const OpeningQuestion& question) {
    QMessageBox box(QMessageBox::Warning, question.title, question.text, QMessageBox::NoButton,
                    owner);
    QPushButton* goOn = box.addButton(question.goOn, QMessageBox::AcceptRole);
    QPushButton* other =
        box.addButton(QStringLiteral("Choose another name"), QMessageBox::RejectRole);
    box.setDefaultButton(other);
    box.exec();
    return box.clickedButton() == goOn;
}
} // namespace

bool openStudentOrAsk(QWidget* owner, StudentRecord& student,
                      const std::filesystem::path& dataFolder, const std::string& name) {
    const OpeningQuestion question = openStudent(student, dataFolder, name);
    if (question.kind == OpeningQuestion::None) {
        return true;
    }
    if (!askToGoOn(owner, question)) {
        return false;
    }
    goOnWithStudent(student, question);
    return true;
}
