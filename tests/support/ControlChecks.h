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
// rectangle, showing its text (a placed control: named by it).
inline void checkControls(QWidget* window, std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
        QWidget* widget = window->findChild<QWidget*>(row.name);
        QVERIFY2(widget != nullptr, row.name);
        QCOMPARE(widget->geometry(), row.rect);
        const QString text = row.kind == ControlKind::Placed ? widget->accessibleName()
                                                             : widget->property("text").toString();
        QCOMPARE(text, QString::fromUtf8(row.text));
    }
}
