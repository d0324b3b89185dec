// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChildSession.h"

#include "records/StudentFolder.h"

#include <QMessageBox>

// The child's answers, fact by fact, kept in a log beside the child's file.

ChildSession::ChildSession(AppContext& context, QWidget* window)
    : context_(context), window_(window) {}

ChildSession::~ChildSession() = default;

void ChildSession::openAnswerLog() {
    const StudentRecord& student = context_.student;
    QString reason;
    ChildAnswerLog& log = context_.answers;
    log.writer =
        openChildAnswerLog(student.path, student.lock != nullptr, student.sessionStartMs, reason);
    if (!log.writer) {
        log.readOnly = readAnswerLog(answerLogPath(student.path, true, 0)).contents;
        tellAnswersNotKept(reason);
    } else if (!reason.isEmpty()) {
        QMessageBox::information(
            window_, tr("Answers kept apart"),
            tr("Some answers of %1 from another computer could not be joined to the "
               "others yet:\n%2\n\nThey are kept as they are and joined later.")
                .arg(displayName(student.studentName), reason));
    }
}

void ChildSession::addAnswer(const LoggedAnswer& answer) {
    if (AnswerLogWriter* writer = context_.answers.writer.get()) {
        if (const WriteOutcome written = writer->append(answer); !written) {
            tellAnswersNotKept(written.reason);
        }
    }
}

void ChildSession::addLimit(const LimitSetting& limit) {
    if (AnswerLogWriter* writer = context_.answers.writer.get()) {
        if (const WriteOutcome written = writer->append(limit); !written) {
            tellAnswersNotKept(written.reason);
        }
    }
}

// Practice goes on; the test results and the child's file are not touched by this.
void ChildSession::tellAnswersNotKept(const QString& reason) {
    if (answersFailureTold_ || !context_.data.writable) { // an unwritable folder was told
        return;
    }
    answersFailureTold_ = true;
    const StudentRecord& student = context_.student;
    QMessageBox::warning(
        window_, tr("Answers not kept"),
        tr("The answers of %1 cannot be kept in\n%2\n(%3)\n\nYou can practise, and test "
           "results are saved as always, but the fluency map will not show today's "
           "answers. The file is left as it is; ask a grown-up to look at it.")
            .arg(displayName(student.studentName),
                 pathText(
                     answerLogPath(student.path, student.lock != nullptr, student.sessionStartMs)),
                 reason));
}
