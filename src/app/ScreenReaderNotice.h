// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// Screen readers read `widget` as a plain object of `role`, named by its accessible name, with
// no value or text of its own.
void setPlainAccessibleRole(QWidget* widget, QAccessible::Role role);

// Says short texts through the screen reader while the focus stays where it is. Screen
// readers of Qt 6.4's time (Orca 43) speak neither a label whose text changes nor a name or
// description change of the focused control (the bridge sends the object where the text is
// expected), but they do speak a notification the moment it is shown, and one inside a status
// bar without the word "notification". So this is an empty status bar of one pixel holding a
// notification that is named after the text and shown again for each notice. Nothing is
// drawn.
class ScreenReaderNotice : public QWidget {
    Q_OBJECT
public:
    explicit ScreenReaderNotice(QWidget* parent);

    // Says the texts as one notice. While the window is not active (a dialog has just
    // closed) the notice waits until the window is active again and the screen reader has
    // read the focus; texts that the focused control reads itself are not said twice.
    void say(const QStringList& texts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showNotice(const QString& text);
    void sayPending();

    QList<QWidget*> notices_; // taken in turn: a notice is read after the next is named
    int nextNotice_ = 0;
    QStringList pending_;
    QTimer afterActivation_;
};
