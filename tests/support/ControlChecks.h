// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <QtTest>

// The control of a window with the given number.
template <typename Control> Control* control(QWidget* window, int id) {
    return window->findChild<Control*>(QString::number(id));
}
