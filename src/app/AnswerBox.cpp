// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AnswerBox.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

AnswerBox::AnswerBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

bool AnswerBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool plainDigit = text.size() == 1 && text.at(0).isDigit();
        const bool editingKey = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
                                key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                                key->key() == Qt::Key_Home || key->key() == Qt::Key_End;
        if (!plainDigit && !editingKey) {
            event->ignore(); // leave the key to the window's shortcuts
            return false;
        }
    }
    return QLineEdit::event(event);
}
