// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>
#include <QtTest>

// A window as a child or a screen reader meets it, written as text: the window's title, size,
// modality and background, then one line per named control with its class, place and size in the
// window, shown text and accessible name, font and the flags that change what is seen or
// what a key does. Tests compare it with the approved copy under tests/snapshots, so a moved
// control, a changed text or a lost flag is seen in every window a test shows.
// TB_UPDATE_SNAPSHOTS=1 writes the copies anew; the difference is then reviewed in git.

inline QString describeProperties(const QWidget* widget) {
    static const char* const shown[] = {"text",     "checked",         "autoDefault",
                                        "default",  "readOnly",        "autoFillBackground",
                                        "wordWrap", "rootIsDecorated", "currentIndex"};
    QString line;
    for (const char* name : shown) {
        const QVariant value = widget->property(name);
        const bool flag = value.typeId() == QMetaType::Bool;
        if (!value.isValid() || (flag && !value.toBool()) || value.toString().isEmpty()) {
            continue;
        }
        line += flag ? QStringLiteral(" %1").arg(name)
                     : QStringLiteral(" %1=\"%2\"").arg(name, value.toString());
    }
    return line;
}

inline QString describeControl(const QWidget* window, const QWidget* widget) {
    const QRect place(widget->mapTo(window, QPoint(0, 0)), widget->size());
    const QFont font = widget->font();
    QString line = QStringLiteral("%1 %2 %3,%4 %5x%6%7%8")
                       .arg(widget->metaObject()->className(), widget->objectName())
                       .arg(place.x())
                       .arg(place.y())
                       .arg(place.width())
                       .arg(place.height())
                       .arg(widget->isVisibleTo(window) ? "" : " hidden")
                       .arg(widget->isEnabled() ? "" : " disabled");
    line += describeProperties(widget);
    if (!widget->accessibleName().isEmpty()) {
        line += QStringLiteral(" name=\"%1\"").arg(widget->accessibleName());
    }
    line += QStringLiteral(" font=%1%2%3")
                .arg(font.pointSizeF())
                .arg(font.bold() ? "b" : "")
                .arg(font.italic() ? "i" : "");
    if (widget->autoFillBackground()) {
        line += " fill=" + widget->palette().color(widget->backgroundRole()).name();
    }
    return line;
}

inline QString describeWindow(const QWidget* window) {
    QStringList lines{QStringLiteral("window \"%1\" %2x%3 modality=%4 background=%5")
                          .arg(window->windowTitle())
                          .arg(window->width())
                          .arg(window->height())
                          .arg(int(window->windowModality()))
                          .arg(window->palette().color(QPalette::Window).name())};
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith("qt_") && widget->window() == window) {
            lines << describeControl(window, widget);
        }
    }
    // A test's temporary folder has a new name on every run.
    static const QRegularExpression temporary(QStringLiteral("tallyburrow-test-[0-9]+"));
    return lines.join('\n').replace(temporary, QStringLiteral("tallyburrow-test-N")) + '\n';
}

// Compares the window with its approved snapshot of the given name.
inline void checkSnapshot(const QWidget* window, const QString& name) {
    const QString actual = describeWindow(window);
    QFile approved(QStringLiteral(TB_SNAPSHOT_DIR "/%1.txt").arg(name));
    if (qEnvironmentVariableIntValue("TB_UPDATE_SNAPSHOTS") == 1) {
        QVERIFY(approved.open(QIODevice::WriteOnly | QIODevice::Truncate));
        approved.write(actual.toUtf8());
        return;
    }
    QVERIFY2(approved.open(QIODevice::ReadOnly),
             qPrintable("no snapshot " + approved.fileName() + ": run with TB_UPDATE_SNAPSHOTS=1"));
    const QStringList want = QString::fromUtf8(approved.readAll()).split('\n');
    const QStringList got = actual.split('\n');
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
        QCOMPARE(got.value(i), want.value(i));
    }
}
