// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ScreenReaderNotice.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QEvent>

#include <algorithm>
#include <utility>

namespace {
// Time for the screen reader to read the window and its focus after the window is active
// again, before the waiting notice is said.
constexpr int afterActivationMs = 400;
// Notices waiting for the window to be active again; older ones are let go.
constexpr int pendingKept = 8;
constexpr int noticeCount = 3;
// For this long after the window is active again the screen reader reads its focus.
constexpr int focusReadMs = 1000;
// A notice repeated within this time is said once.
constexpr int repeatMs = 1500;
const char plainRole[] = "tbPlainAccessibleRole";

QAccessibleInterface* plainAccessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    const QVariant role = widget->property(plainRole);
    if (!role.isValid()) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

// Texts less what the screen reader reads for the focused control: its name and description.
QStringList withoutFocusRead(const QStringList& texts) {
    QStringList left = texts;
    if (QWidget* focused = QApplication::focusWidget()) {
        left.removeAll(focused->accessibleName());
        left.removeAll(focused->accessibleDescription());
    }
    return left;
}
} // namespace

void setPlainAccessibleRole(QWidget* widget, QAccessible::Role role) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(plainAccessible);
        return true;
    }();
    (void)factoryInstalled;
    widget->setProperty(plainRole, static_cast<int>(role));
}

namespace {
// Says the drop-down's name and value after a change, or on arrival.
class DropDownSpeech : public QObject {
public:
    explicit DropDownSpeech(QComboBox* combo) : QObject(combo), combo_(combo) {
        combo->installEventFilter(this);
        connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            if (combo_->hasFocus() && !combo_->view()->isVisible()) {
                speak();
            }
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            speak();
        }
        return false;
    }

private:
    void speak() {
        const QString value = combo_->currentText().trimmed();
        const QString shown =
            value.isEmpty() ? QCoreApplication::translate("ScreenReaderNotice", "none") : value;
        ScreenReaderNotice::of(combo_->window())
            ->sayAfterThisEvent({QCoreApplication::translate("ScreenReaderNotice", "%1: %2")
                                     .arg(combo_->accessibleName(), shown)});
    }
    QComboBox* combo_;
};
} // namespace

void speakDropDown(QComboBox* combo) {
    new DropDownSpeech(combo);
}

ScreenReaderNotice::ScreenReaderNotice(QWidget* parent) : QWidget(parent) {
    // Orca reads the dialog around a notification again unless a menu bar stands between
    // them: it stops looking for the notification's context at a menu bar.
    setPlainAccessibleRole(this, QAccessible::MenuBar);
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    auto* statusBar = new QWidget(this);
    setPlainAccessibleRole(statusBar, QAccessible::StatusBar);
    statusBar->setGeometry(0, 0, 1, 1);
    for (int i = 0; i < noticeCount; ++i) {
        auto* notice = new QWidget(statusBar);
        setPlainAccessibleRole(notice, QAccessible::Notification);
        notice->setGeometry(0, 0, 1, 1);
        notice->hide();
        notices_ << notice;
    }
    afterActivation_.setSingleShot(true);
    afterActivation_.setInterval(afterActivationMs);
    connect(&afterActivation_, &QTimer::timeout, this, &ScreenReaderNotice::sayPending);
    window()->installEventFilter(this);
}

ScreenReaderNotice* ScreenReaderNotice::of(QWidget* window) {
    if (auto* notice = window->findChild<ScreenReaderNotice*>()) {
        return notice;
    }
    auto* notice = new ScreenReaderNotice(window);
    if (window->isVisible()) {
        notice->show(); // else it is shown with the window
    }
    return notice;
}

void ScreenReaderNotice::sayAfterThisEvent(const QStringList& texts) {
    if (gathered_.isEmpty()) {
        QTimer::singleShot(0, this, [this] { say(std::exchange(gathered_, {})); });
    }
    gathered_ += texts;
}

void ScreenReaderNotice::say(const QStringList& texts) {
    if (texts.isEmpty()) {
        return;
    }
    if (!window()->isActiveWindow() || afterActivation_.isActive()) {
        pending_ += texts;
        pending_ = pending_.mid(std::max(0, int(pending_.size()) - pendingKept));
        return;
    }
    // Just after the window came back, the screen reader is reading its focus.
    const bool focusBeingRead = activated_.isValid() && activated_.elapsed() < focusReadMs;
    showNotice(focusBeingRead ? withoutFocusRead(texts) : texts);
}

bool ScreenReaderNotice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::WindowActivate) {
        activated_.start();
        if (!pending_.isEmpty()) {
            afterActivation_.start();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ScreenReaderNotice::sayPending() {
    showNotice(withoutFocusRead(std::exchange(pending_, {})));
}

// The name is set before the notification is shown: the screen reader asks for the name when
// it gets to the showing, which may be after the next notice; so the notices take turns.
void ScreenReaderNotice::showNotice(QStringList texts) {
    texts.removeDuplicates(); // one change told twice
    const QString text = texts.join(QStringLiteral(". "));
    // The same notice again at once (a control told twice of one change) is said once.
    if (text.isEmpty() ||
        (text == lastText_ && lastShown_.isValid() && lastShown_.elapsed() < repeatMs)) {
        return;
    }
    lastText_ = text;
    lastShown_.start();
    QWidget* notice = notices_.at(nextNotice_);
    nextNotice_ = (nextNotice_ + 1) % noticeCount;
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}
