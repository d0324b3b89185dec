// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenReaderNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>

#include <algorithm>

namespace {
// Time for the screen reader to read the window and its focus after the window is active
// again, before the waiting notice is said.
constexpr int afterActivationMs = 400;
// Notices waiting for the window to be active again; older ones are let go.
constexpr int pendingKept = 8;
constexpr int noticeCount = 3;
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

// What the screen reader reads for the focused control: its name and its description.
QStringList focusReads() {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) {
        return {};
    }
    return {focused->accessibleName(), focused->accessibleDescription()};
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

ScreenReaderNotice::ScreenReaderNotice(QWidget* parent) : QWidget(parent) {
    setPlainAccessibleRole(this, QAccessible::StatusBar);
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < noticeCount; ++i) {
        auto* notice = new QWidget(this);
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

void ScreenReaderNotice::say(const QStringList& texts) {
    if (texts.isEmpty()) {
        return;
    }
    if (!window()->isActiveWindow() || afterActivation_.isActive()) {
        pending_ += texts;
        pending_ = pending_.mid(std::max(0, int(pending_.size()) - pendingKept));
        return;
    }
    showNotice(texts.join(QStringLiteral(". ")));
}

bool ScreenReaderNotice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::WindowActivate && !pending_.isEmpty()) {
        afterActivation_.start();
    }
    return QWidget::eventFilter(watched, event);
}

void ScreenReaderNotice::sayPending() {
    QStringList texts;
    const QStringList focusRead = focusReads();
    for (const QString& text : std::as_const(pending_)) {
        if (!focusRead.contains(text)) {
            texts << text;
        }
    }
    pending_.clear();
    if (!texts.isEmpty()) {
        showNotice(texts.join(QStringLiteral(". ")));
    }
}

// The name is set before the notification is shown: the screen reader asks for the name when
// it gets to the showing, which may be after the next notice; so the notices take turns.
void ScreenReaderNotice::showNotice(const QString& text) {
    QWidget* notice = notices_.at(nextNotice_);
    nextNotice_ = (nextNotice_ + 1) % noticeCount;
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}
