// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>

namespace {
QString translated(const char* text) {
    return QCoreApplication::translate("MainWindow", text);
}

QAction* newAction(QObject* owner, const QString& text, const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, owner);
    action->setShortcuts(keys);
    return action;
}

// A toolbar command's key is its underlined letter alone, in whatever language it is shown.
QAction* newCommand(QObject* owner, const char* text, const QList<QKeySequence>& moreKeys = {}) {
    const QString shown = translated(text);
    const QKeySequence mnemonic = QKeySequence::mnemonic(shown);
    QList<QKeySequence> keys = moreKeys;
    if (!mnemonic.isEmpty()) {
        keys.prepend(QKeySequence(mnemonic[0].key()));
    }
    return newAction(owner, shown, keys);
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
    a.learn = newCommand(owner, QT_TRANSLATE_NOOP("MainWindow", "&Learn"));
    a.drill = newCommand(owner, QT_TRANSLATE_NOOP("MainWindow", "&Drill"));
    a.test = newCommand(owner, QT_TRANSLATE_NOOP("MainWindow", "&Test"));
    a.report = newCommand(owner, QT_TRANSLATE_NOOP("MainWindow", "&Report"));
    a.config = newCommand(owner, QT_TRANSLATE_NOOP("MainWindow", "&Config"));
    a.quit = newCommand(owner, QT_TRANSLATE_NOOP("MainWindow", "&Quit"));
    a.help = newCommand(owner, QT_TRANSLATE_NOOP("MainWindow", "&Help"), {Qt::Key_F1});
    a.next = newAction(owner, translated(QT_TRANSLATE_NOOP("MainWindow", "Next")),
                       {Qt::Key_Return, Qt::Key_Enter});
    a.showAnswer = newAction(owner, translated(QT_TRANSLATE_NOOP("MainWindow", "Show the answer")),
                             {Qt::Key_Space});
    a.stop =
        newAction(owner, translated(QT_TRANSLATE_NOOP("MainWindow", "Stop")), {Qt::Key_Escape});
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
