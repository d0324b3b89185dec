// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpInstall.h"

#include "help/HelpFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString qtPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

QString notePathOf(const QString& helpPath) {
    return helpPath + QStringLiteral(".copied");
}

// The SHA-256 of a file in hex, or an empty text when it cannot be read.
QByteArray hashOf(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
        return {};
    }
    return hash.result().toHex();
}

QByteArray noteOf(const QString& helpPath) {
    QFile note(notePathOf(helpPath));
    if (!note.open(QIODevice::ReadOnly)) {
        return {};
    }
    return note.read(2 * QCryptographicHash::hashLength(QCryptographicHash::Sha256)).trimmed();
}

bool writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void noteCopy(const QString& helpPath, const QByteArray& hash) {
    if (noteOf(helpPath) != hash) {
        writeAtomically(notePathOf(helpPath), hash + '\n');
    }
}

} // namespace

bool installHelpFile(const std::filesystem::path& helpPath,
                     const std::filesystem::path& installedCopy) {
    QFile source(qtPath(installedCopy));
    if (!HelpFile::exists(installedCopy) || !source.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = source.readAll();
    const QByteArray installedHash =
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    const QString target = qtPath(helpPath);
    if (QFileInfo::exists(target)) {
        const QByteArray currentHash = hashOf(target);
        if (currentHash == installedHash) {
            noteCopy(target, installedHash); // up to date, and known as the program's own
            return false;
        }
        if (currentHash.isEmpty() || currentHash != noteOf(target)) {
            return false; // unreadable, or a grown-up's own help file
        }
    }
    // The help file first, then the note: a crash between the two leaves a copy identical to
    // the installed file, which the next start still knows as the program's own.
    if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !writeAtomically(target, bytes)) {
        return false;
    }
    noteCopy(target, installedHash);
    return true;
}
