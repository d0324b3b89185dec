// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/WindowSnapshot.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

// Answers a window opened with exec(): polls until a modal window other than `previous`
// is active, then calls `answer` with it. Call before the action that opens the window.
inline void whenModalOpens(std::function<void(QWidget*)> answer, QWidget* previous = nullptr,
                           int timeoutMs = 20000) {
    auto* timer = new QTimer(qApp);
    const QDeadlineTimer deadline(timeoutMs);
    QPointer<QWidget> before(previous);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, before, answer]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != before.data() && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            // Activation follows the showing; on a busy machine it can come later. The answer
            // types into the window, so wait until it really has the keyboard.
            modal->activateWindow();
            (void)QTest::qWaitForWindowActive(modal);
            answer(modal);
            // A failed check inside the answer must not leave the window open: the test would
            // hang in its event loop instead of reporting the failure.
            if (QTest::currentTestFailed() && modal->isVisible()) {
                modal->close();
            }
        } else if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

// Saves a window as a PNG under the build's shots folder (TB_SHOTS_DIR), so it can be
// looked at and compared with its layout.
inline void savePicture(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("TB_SHOTS_DIR", QDir::tempPath());
    QDir().mkpath(folder);
    window->grab().save(folder + "/" + name + ".png");
}

// Saves the picture and compares the window with its approved snapshot of the same name (for
// a window whose content is the same on every run).
inline void saveShot(QWidget* window, const QString& name) {
    checkSnapshot(window, name);
    savePicture(window, name);
}
