#pragma once

#include "support/ControlChecks.h"
#include "support/ModalHelpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <vector>

// Answers the next modal window once it is active, as a child meets it. If the answer leaves it
// open (a failed check returns early), the window is rejected so the test goes on and reports the
// failure.
inline void answerModal(std::function<void(QWidget*)> answer) {
    whenModalOpens([answer](QWidget* window) {
        QPointer<QWidget> guard(window);
        if (!QTest::qWaitForWindowActive(window)) {
            QTest::qFail("the window did not become active", __FILE__, __LINE__);
        }
        if (guard) {
            answer(window);
        }
        if (guard && guard->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(guard.data())) {
                dialog->reject();
            }
        }
    });
}

// Presses a key where the keyboard focus is, as a child would.
inline void pressKey(QWidget* window, Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr ? focused : window, key);
    }
}

// Clicks a control in its middle.
inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// A dialog frame with a system menu and minimise box, but no maximise box and no "?".
inline bool hasOptionDialogFrame(const QWidget* window) {
    const Qt::WindowFlags flags = window->windowFlags();
    return flags.testFlag(Qt::WindowSystemMenuHint) &&
           flags.testFlag(Qt::WindowMinimizeButtonHint) &&
           !flags.testFlag(Qt::WindowMaximizeButtonHint) &&
           !flags.testFlag(Qt::WindowContextHelpButtonHint);
}

// True when every label, check box and option button shows its whole text inside its
// rectangle; the first one that does not is named in `cutOff`.
inline bool allTextsFit(const QWidget* window, QString& cutOff) {
    QList<QWidget*> texts;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        texts.append(label);
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->inherits("QPushButton")) {
            texts.append(button);
        }
    }
    for (QWidget* text : texts) {
        if (text->sizeHint().width() > text->width()) {
            cutOff = text->objectName();
            return false;
        }
    }
    return true;
}

// The widget test classes; main runs each of them.
inline std::vector<std::function<int(int, char**)>>& widgetTests() {
    static std::vector<std::function<int(int, char**)>> tests;
    return tests;
}
template <typename Test> bool registerWidgetTest() {
    widgetTests().push_back([](int argc, char** argv) {
        Test test;
        return QTest::qExec(&test, argc, argv);
    });
    return true;
}
