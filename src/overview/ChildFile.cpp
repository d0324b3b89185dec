// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/ChildFile.h"

#include "records/StudentFile.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>

QStringList childFilePaths(const QString& folder) {
    QDir dir(folder);
    const QStringList names =
        dir.entryList({QString("*") + studentFileExtension},
                      QDir::Files | QDir::System | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot,
                      QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    for (const QString& name : names) {
        paths << dir.filePath(name);
    }
    return paths;
}

ChildFile readChildFile(const QString& path) {
    ChildFile child;
    child.path = path;
    child.name = QFileInfo(path).fileName().chopped(
        static_cast<qsizetype>(std::strlen(studentFileExtension)));
    const ReadOutcome read = readWholeFile(path.toStdString(), maxStudentFileBytes);
    if (read.status != ReadStatus::Loaded) {
        child.state = ChildFileState::Unreadable;
        child.problem = read.status == ReadStatus::Missing    ? QString("the file is missing")
                        : read.status == ReadStatus::NotAFile ? QString("not a regular file")
                                                              : read.reason;
        return child;
    }
    child.state = ChildFileState::Read;
    if (read.bytes.empty()) {
        return child; // a child who was greeted but has no results yet
    }
    StudentRecord record;
    readStudentBytes(record, read.bytes);
    child.history = std::move(record.history);
    child.problem = studentFileDamage(read.bytes, child.history.size());
    if (!child.problem.isEmpty()) {
        child.state = ChildFileState::Damaged;
    }
    return child;
}
