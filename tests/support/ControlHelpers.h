// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

// The numbered control of a window: its objectName is its id.
template <typename Control = QLineEdit> Control* control(QWidget* window, int id) {
    return window->findChild<Control*>(QString::number(id));
}

// The program's own default font: the platform's sans face at 10 points.
inline void useProgramFont() {
    QFont font = QApplication::font();
    font.setPointSize(10);
    QApplication::setFont(font);
}

// Replaces the text of a box as a child would (a combo box passes the keys to its edit).
inline void typeInto(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}
