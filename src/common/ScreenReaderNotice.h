// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// Screen readers read `widget` as a plain object of `role`, named by its accessible name, with
// no value or text of its own.
void setPlainAccessibleRole(QWidget* widget, QAccessible::Role role);

class QComboBox;

// A closed drop-down says its name and value when it takes the focus and when the arrow keys
// change it: screen readers of Qt 6.4's time read only the value on arrival and nothing on a
// change.
void speakDropDown(QComboBox* combo);

// Says short texts through the screen reader while the focus stays where it is. Screen
// readers of Qt 6.4's time (Orca 43) speak neither a label whose text changes nor a name or
// description change of the focused control (the bridge sends the object where the text is
// expected), but they do speak a notification the moment it is shown, and one inside a status
// bar without the word "notification". So this holds, one pixel large, a status bar with
// notifications that are named after the text and shown again for each notice. Nothing is
// drawn.
class ScreenReaderNotice : public QWidget {
    Q_OBJECT
public:
    explicit ScreenReaderNotice(QWidget* parent);

    // The notice of `window`, made on first use.
    static ScreenReaderNotice* of(QWidget* window);

    // Says the texts as one notice. While the window is not active (a dialog has just
    // closed) the notice waits until the window is active again and the screen reader has
    // read the focus; texts that the focused control reads itself are not said twice.
    void say(const QStringList& texts);
    // Says the texts once the event in hand is over, together with all else said so.
    void sayAfterThisEvent(const QStringList& texts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showNotice(QStringList texts);
    void sayPending();

    QList<QWidget*> notices_; // taken in turn: a notice is read after the next is named
    int nextNotice_ = 0;
    QStringList pending_;
    QStringList gathered_; // said after this event
    QTimer afterActivation_;
    QElapsedTimer activated_; // since the window was last made active
    QElapsedTimer lastShown_; // since the last notice
    QString lastText_;
};
