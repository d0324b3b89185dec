// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ControlTable.h"

#include <QWidget>
#include <QtTest>

#include <span>

// The control of a window with the given number.
template <typename Control> Control* control(QWidget* window, int id) {
    return window->findChild<Control*>(QString::number(id));
}

// Checks a window's controls against the table its builder read: each one is there, at its
// rectangle (in the window's client pixels), showing its text (a placed control: named by it;
// an empty text is filled at run time).
inline void checkControls(QWidget* window, std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
        QWidget* widget = window->findChild<QWidget*>(row.name);
        QVERIFY2(widget != nullptr, row.name);
        const QRect shown(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (row.kind == ControlKind::DropDown) { // closed: the top of its open rectangle
            QCOMPARE(shown, QRect(row.rect.topLeft(), QSize(row.rect.width(), shown.height())));
            QVERIFY(shown.height() >= 15 && shown.height() < row.rect.height());
        } else {
            QCOMPARE(shown, row.rect);
        }
        if (*row.text == '\0') {
            continue; // named or filled at run time
        }
        const bool named = row.kind == ControlKind::Placed || row.kind == ControlKind::LineEdit ||
                           row.kind == ControlKind::DropDown || row.kind == ControlKind::TypedCombo;
        const QString text = named ? widget->accessibleName() : widget->property("text").toString();
        QCOMPARE(text, QString::fromUtf8(row.text));
    }
}
