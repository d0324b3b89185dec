#pragma once

// Drives the whole program as a child would: starts the main window on a data folder,
// answers the greeting and sends keys to whatever has the keyboard focus.

#include "app/AppContext.h"
#include "app/MainWindow.h"

#include "support/ModalHelpers.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <filesystem>
#include <memory>

template <typename T> T* control(QWidget* window, int id) {
    return window->findChild<T*>(QString::number(id));
}

// A running program whose greeting was answered by typing a name (or by Enter alone, which
// takes the preselected name).
struct RunningProgram {
    AppContext context;
    std::unique_ptr<MainWindow> window;

    RunningProgram(const std::filesystem::path& folder, const QString& typedName,
                   bool saveGreetingShot = false) {
        whenModalOpens([typedName, saveGreetingShot](QWidget* greeting) {
            if (saveGreetingShot) {
                saveShot(greeting, QStringLiteral("greeting"));
            }
            if (!typedName.isEmpty()) {
                QTest::keyClicks(greeting->findChild<QLineEdit*>(QStringLiteral("251")), typedName);
            }
            QTest::keyClick(greeting, Qt::Key_Return);
        });
        window = std::make_unique<MainWindow>(context, folder);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_VERIFY(!context.student.studentName.empty());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
};

// The offscreen platform has no window manager: when a dialog closes, no window becomes
// active again. A desktop gives the activation back to the window below; so does this.
inline void activateWindowBelowIfNoneIsActive() {
    // A dialog that has just opened may not be active yet on a busy machine: it, not the
    // window below it, is the one the keys are meant for.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible() && QApplication::activeWindow() != modal) {
        modal->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(modal));
        return;
    }
    if (QApplication::activeWindow() != nullptr) {
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && qobject_cast<MainWindow*>(window) != nullptr) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            return;
        }
    }
}

// Where a key goes: the widget with the keyboard focus, else the active window.
inline QWidget* keyTarget() {
    activateWindowBelowIfNoneIsActive();
    // While a dialog is open the keys are its own, even if a late activation of the window
    // below has taken the active state back on a busy machine.
    if (QWidget* modal = QApplication::activeModalWidget();
        modal != nullptr && modal->isVisible()) {
        return modal->focusWidget() != nullptr ? modal->focusWidget() : modal;
    }
    if (QWidget* focused = QApplication::focusWidget()) {
        return focused;
    }
    return QApplication::activeWindow();
}

// The widget with the keyboard focus, once the desktop has activated a window.
inline QWidget* focusedWidget() {
    activateWindowBelowIfNoneIsActive();
    return QApplication::focusWidget();
}

// Drops the watchers of whenModalOpens that are still waiting, so a window a failed test
// expected cannot be answered by them in the next test.
inline void forgetWaitingAnswers() {
    for (QTimer* timer : qApp->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        if (timer->isActive() && timer->interval() == 10) {
            timer->stop();
            timer->deleteLater();
        }
    }
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = keyTarget();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, key, modifiers);
}

// Types each character as its own key press into the focused widget.
inline void typeKeys(const QString& text) {
    for (const QChar character : text) {
        QWidget* target = keyTarget();
        QVERIFY(target != nullptr);
        QTest::keyClick(target, character.toLatin1());
    }
}

// Watches for any top-level window that was not visible when the guard was made (a dialog,
// a message box, the help window), notes its caption and closes it, so a window that
// should not open shows up as a failed check instead of a hang.
class UnexpectedWindowGuard {
public:
    UnexpectedWindowGuard() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                before.append(window);
            }
        }
        QObject::connect(&timer, &QTimer::timeout, [this]() { closeNewWindows(); });
        timer.start(10);
    }

    // Looks once more (a window opened by the last key is seen at once) and returns the
    // captions of every window that opened.
    QStringList captions() {
        closeNewWindows();
        return seen;
    }

private:
    void closeNewWindows() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && !before.contains(window)) {
                seen << window->windowTitle();
                window->close();
            }
        }
    }

    QList<QPointer<QWidget>> before;
    QStringList seen;
    QTimer timer;
};

// Calls `answer` once a visible top-level window named `objectName` appears; for the help
// window, which is not modal and so is not found by whenModalOpens.
inline void whenWindowOpens(const QString& objectName, std::function<void(QWidget*)> answer,
                            int timeoutMs = 5000) {
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, objectName, answer, timeoutMs]() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->objectName() == objectName) {
                timer->stop();
                timer->deleteLater();
                answer(window);
                return;
            }
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}
