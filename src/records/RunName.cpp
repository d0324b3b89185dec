// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RunName.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <limits>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/types.h>
#endif

QString runNamePart(std::int64_t runStartMs) {
    return QStringLiteral("%1-%2-%3")
        .arg(computerNamePart(QSysInfo::machineHostName()))
        .arg(QCoreApplication::applicationPid())
        .arg(runStartMs);
}

QString computerNamePart(const QString& host) {
    QString part;
    for (const QChar c : host.left(64)) {
        part += c.isLetterOrNumber() && c.unicode() < 128 ? c : QLatin1Char('_');
    }
    return part.isEmpty() ? QStringLiteral("computer") : part;
}

bool runsOnThisComputer(const QString& hostPart, std::int64_t pid) {
#ifdef Q_OS_UNIX
    return hostPart == computerNamePart(QSysInfo::machineHostName()) && pid > 0 &&
           pid <= std::numeric_limits<pid_t>::max() &&
           (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
#else
    (void)hostPart;
    (void)pid;
    return false;
#endif
}
