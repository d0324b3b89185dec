// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// A logout, a shutdown or a kill request (SIGTERM, SIGHUP, SIGINT) is passed on as a signal of
// the event loop, so that the program can end keeping the child's session as a crash would,
// never discarding it. Qt has no portable API for Unix signals: the handler only writes a byte
// to a socket pair, which a socket notifier reads in the event loop (the pattern Qt's own
// documentation gives). Elsewhere nothing is watched.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};
