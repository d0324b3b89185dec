// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentOpening.h"

#include "records/StudentSession.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
enum class Choice { GoOn, TakeOver, OtherName };

// What the child takes of the ways on the question offers.
Choice askToGoOn(QWidget* owner, const OpeningQuestion& question) {
    QMessageBox box(QMessageBox::Warning, question.title, question.text, QMessageBox::NoButton,
                    owner);
    QPushButton* goOn = box.addButton(question.goOn, QMessageBox::AcceptRole);
    QPushButton* takeOver =
        question.mayTakeOver
            ? box.addButton(QCoreApplication::translate("StudentOpening", "Take over"),
                            QMessageBox::AcceptRole)
            : nullptr;
    QPushButton* other =
        box.addButton(QCoreApplication::translate("StudentOpening", "Choose another name"),
                      QMessageBox::RejectRole);
    box.setDefaultButton(other);
    box.exec();
    if (box.clickedButton() == goOn) {
        return Choice::GoOn;
    }
    return takeOver != nullptr && box.clickedButton() == takeOver ? Choice::TakeOver
                                                                  : Choice::OtherName;
}

void tell(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox::warning(owner, title, text);
}

// Results of a session that ended without saving them are offered back, Keep first.
void offerUnsavedSessions(QWidget* owner, StudentRecord& student) {
    for (const UnsavedSession& session : unsavedSessions(student)) {
        const QString text = unsavedSessionText(student, session);
        if (!session.problem.isEmpty()) {
            tell(owner, QCoreApplication::translate("StudentOpening", "Results not saved"), text);
            continue;
        }
        QMessageBox box(QMessageBox::Question,
                        QCoreApplication::translate("StudentOpening", "Results not saved"), text,
                        QMessageBox::NoButton, owner);
        QPushButton* keep = box.addButton(QCoreApplication::translate("StudentOpening", "Keep"),
                                          QMessageBox::AcceptRole);
        box.addButton(QCoreApplication::translate("StudentOpening", "Discard"),
                      QMessageBox::DestructiveRole);
        box.setDefaultButton(keep);
        box.exec();
        if (box.clickedButton() != keep) {
            dropUnsavedSession(session);
        } else if (const WriteOutcome saved = takeBackSession(student, session); !saved) {
            tell(owner, QCoreApplication::translate("StudentOpening", "Results not saved"),
                 QCoreApplication::translate(
                     "StudentOpening",
                     "The results are kept, but could not be saved in\n%1\n(%2)\n\n"
                     "They are saved at quit, or offered again next time.")
                     .arg(pathText(student.path), saved.reason));
        }
    }
}
} // namespace

bool openStudentOrAsk(QWidget* owner, StudentRecord& student,
                      const std::filesystem::path& dataFolder, const std::string& name) {
    const OpeningQuestion question = openStudent(student, dataFolder, name);
    if (question.kind != OpeningQuestion::None) {
        const Choice choice = askToGoOn(owner, question);
        if (choice == Choice::OtherName) {
            return false;
        }
        goOnWithStudent(student, question);
        if (choice == Choice::TakeOver && !takeOverLock(student)) {
            tell(owner, question.title,
                 QCoreApplication::translate(
                     "StudentOpening",
                     "The other copy's lock could not be taken over: the results are "
                     "kept and saved once it has closed."));
        }
    }
    if (student.lock != nullptr && student.saving == Saving::Allowed) {
        offerUnsavedSessions(owner, student);
    }
    return true;
}
