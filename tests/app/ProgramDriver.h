// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives the whole program as a child would: starts the main window on a data folder,
// answers the greeting and sends keys to whatever has the keyboard focus.

#include "app/Application.h"
#include "app/MainWindow.h"
#include "help/HelpSource.h"

#include "support/ControlHelpers.h"
#include "support/ModalHelpers.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <filesystem>
#include <memory>

// A running program on a folder with a help file, whose greeting was answered by typing a
// name (or by Enter alone, which takes the preselected name).
struct RunningProgram {
    std::unique_ptr<Application> program;
    MainWindow* window = nullptr;
    AppContext& context() { return program->context(); }

    // afterGreeting answers a window that the greeting opens (a question about the child).
    RunningProgram(const std::filesystem::path& folder, const QString& typedName,
                   std::function<void(QWidget*)> afterGreeting = {}) {
        writeBytes(folder / "tallyburrow.ahp",
                   encodeHelpFile({HelpTopic{"Press L and choose a number.", "Learning", 0}}));
        whenModalOpens([typedName, afterGreeting](QWidget* greeting) {
            if (afterGreeting) {
                whenModalOpens(afterGreeting, greeting);
            }
            QTest::keyClicks(greeting->findChild<QLineEdit*>(QStringLiteral("251")), typedName);
            QTest::keyClick(greeting, Qt::Key_Return);
        });
        program = std::make_unique<Application>(folder);
        window = &program->window();
        program->show();
        QTRY_VERIFY(!context().student.studentName.empty());
        QTRY_COMPARE(QApplication::activeWindow(), window);
    }
};

// Types `text` key by key ("\r" is Enter, "\x1b" Escape) into the widget with the keyboard
// focus, else the active window. No window is activated for the program: after a dialog
// closes, the program itself must give the main window the keys back.
// A modal window that is open gets the keys even before its activation has come through (on a
// busy machine it can come late), as the window system would give them to it.
inline void keys(const QString& text) {
    for (const QChar key : text) {
        (void)QTest::qWaitFor([] { return QApplication::activeWindow() != nullptr; }, 2000);
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* focus = modal != nullptr ? modal->focusWidget() : QApplication::focusWidget();
        QWidget* window = modal != nullptr ? modal : QApplication::activeWindow();
        QTest::keyClick(focus != nullptr ? focus : window, key.toLatin1());
    }
}
