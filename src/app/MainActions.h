// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QAction;
class QKeyEvent;
class QObject;

// The main window's commands, each an action with its text and its keys (a toolbar command's
// key is the letter underlined in its text, so the keys follow a translation). The toolbar buttons
// show the actions of the toolbar; the practice keys (Enter, Space, Escape) are actions too.
//
// The actions are added to no widget, so Qt's shortcut map never takes their keys: a shortcut
// takes its key before the accessibility bridge has passed it to the screen reader, and the
// screen reader's own keys (the keypad's Enter is Orca's "where am I") and its key echo were
// lost. The window triggers them from the key presses that reach its controls instead.
struct MainActions {
    QAction* learn = nullptr;
    QAction* drill = nullptr;
    QAction* test = nullptr;
    QAction* report = nullptr;
    QAction* config = nullptr;
    QAction* quit = nullptr;
    QAction* help = nullptr;
    QAction* next = nullptr;       // Enter: the run's next step
    QAction* showAnswer = nullptr; // Space
    QAction* stop = nullptr;       // Escape: clears the practice area

    QList<QAction*> all() const;
    // The toolbar's actions in the order of its buttons.
    QList<QAction*> toolbar() const;
};

// The actions, owned by owner.
MainActions createMainActions(QObject* owner);

// The action whose keys the key press is, or null. A key counts without modifiers only (the
// keypad's Enter carries the keypad modifier).
QAction* actionForKey(const MainActions& actions, const QKeyEvent& event);
