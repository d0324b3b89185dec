// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// The digits-only answer box. A line edit claims every printable key before the window's
// shortcuts see it; this one claims only digits, so the letter keys and Space still start
// the main window's commands while the child is typing an answer.
class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    explicit AnswerBox(QWidget* parent);

protected:
    bool event(QEvent* event) override;
};
