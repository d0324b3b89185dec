// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives the whole program as a child would: starts the main window on a data folder,
// answers the greeting and sends keys to whatever has the keyboard focus.

#include "app/AppContext.h"
#include "app/MainWindow.h"

#include "support/ControlChecks.h"
#include "support/ModalHelpers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <filesystem>
#include <memory>

// A running program whose greeting was answered by typing a name (or by Enter alone, which
// takes the preselected name).
struct RunningProgram {
    AppContext context;
    std::unique_ptr<MainWindow> window;

    RunningProgram(const std::filesystem::path& folder, const QString& typedName) {
        whenModalOpens([typedName](QWidget* greeting) {
            QTest::keyClicks(greeting->findChild<QLineEdit*>(QStringLiteral("251")), typedName);
            QTest::keyClick(greeting, Qt::Key_Return);
        });
        window = std::make_unique<MainWindow>(context, folder);
        window->show();
        QTRY_VERIFY(!context.student.studentName.empty());
        QTRY_COMPARE(QApplication::activeWindow(), window.get());
    }
};

// Where a key goes: the open dialog, else the widget with the keyboard focus. No window is
// activated for the program: after a dialog closes, the program itself must give the main
// window the keys back.
inline QWidget* keyTarget() {
    if (QWidget* modal = QApplication::activeModalWidget();
        modal != nullptr && modal->isVisible()) {
        return modal->focusWidget() != nullptr ? modal->focusWidget() : modal;
    }
    (void)QTest::qWaitFor([] { return QApplication::activeWindow() != nullptr; }, 2000);
    return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                  : QApplication::activeWindow();
}

inline void press(Qt::Key key) {
    QWidget* target = keyTarget();
    QVERIFY2(target != nullptr, "no window has the keyboard");
    QTest::keyClick(target, key);
}

inline void typeKeys(const QString& text) {
    for (const QChar character : text) {
        QTest::keyClick(keyTarget(), character.toLatin1());
    }
}

// Every row of the first list or table in `window`, its cells joined by "|".
inline QStringList rowsOf(QWidget* window) {
    QStringList rows;
    auto* view = window->findChild<QAbstractItemView*>();
    for (int row = 0; view != nullptr && row < view->model()->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            cells << view->model()->index(row, column).data().toString();
        }
        rows << cells.join('|');
    }
    return rows;
}

// Every label's text in `window`, joined by "|".
inline QString labelsOf(QWidget* window) {
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts.join('|');
}
