// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainActions.h"

#include <QAction>
#include <QKeyEvent>

namespace {
QAction* newAction(QObject* owner, const QString& text, const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, owner);
    action->setShortcuts(keys);
    return action;
}
} // namespace

QList<QAction*> MainActions::toolbar() const {
    return {learn, drill, test, report, config, quit, help};
}

QList<QAction*> MainActions::all() const {
    return toolbar() + QList<QAction*>{next, showAnswer, stop};
}

MainActions createMainActions(QObject* owner) {
    MainActions a;
    a.learn = newAction(owner, QObject::tr("&Learn"), {Qt::Key_L});
    a.drill = newAction(owner, QObject::tr("&Drill"), {Qt::Key_D});
    a.test = newAction(owner, QObject::tr("&Test"), {Qt::Key_T});
    a.report = newAction(owner, QObject::tr("&Report"), {Qt::Key_R});
    a.config = newAction(owner, QObject::tr("&Config"), {Qt::Key_C});
    a.quit = newAction(owner, QObject::tr("&Quit"), {Qt::Key_Q});
    a.help = newAction(owner, QObject::tr("&Help"), {Qt::Key_H, Qt::Key_F1});
    a.next = newAction(owner, QObject::tr("Next"), {Qt::Key_Return, Qt::Key_Enter});
    a.showAnswer = newAction(owner, QObject::tr("Show the answer"), {Qt::Key_Space});
    a.stop = newAction(owner, QObject::tr("Stop"), {Qt::Key_Escape});
    return a;
}

QAction* actionForKey(const MainActions& actions, const QKeyEvent& event) {
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return nullptr;
    }
    const QKeySequence pressed(event.key());
    for (QAction* action : actions.all()) {
        if (action->shortcuts().contains(pressed)) {
            return action;
        }
    }
    return nullptr;
}
