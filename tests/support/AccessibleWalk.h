// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QMetaEnum>
#include <QStringList>
#include <QWidget>

#include <functional>

// Walks a window's accessible tree as a screen reader does and lists every control shown
// in it that takes the keyboard focus but has no name to announce ("PushButton 1": its role
// and objectName).
inline QStringList unnamedFocusableControls(QWidget* window) {
    QStringList unnamed;
    std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* node,
                                                               int depth) {
        if (node == nullptr || !node->isValid() || depth > 64) {
            return;
        }
        const auto* widget = qobject_cast<const QWidget*>(node->object());
        if (widget != nullptr && widget != window && !widget->isVisibleTo(window)) {
            return; // hidden with everything inside it
        }
        const QAccessible::State state = node->state();
        // A table cell blank on screen is blank for a screen reader too.
        const bool cell =
            node->role() == QAccessible::Cell || node->role() == QAccessible::TreeItem;
        if (state.focusable && !state.invisible && !cell &&
            node->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject* object = node->object();
            unnamed << QString("%1 %2").arg(
                QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role()),
                object != nullptr ? object->objectName() : QString("(item)"));
        }
        for (int i = 0; i < node->childCount(); ++i) {
            walk(node->child(i), depth + 1);
        }
    };
    walk(QAccessible::queryAccessibleInterface(window), 0);
    return unnamed;
}
