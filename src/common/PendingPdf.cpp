// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PendingPdf.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <utility>

namespace {
// The end of a PDF is read to find its closing mark; a writer may put white space after it.
constexpr qint64 tailBytes = 1024;

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}
} // namespace

PendingPdf::PendingPdf(const QString& target) : target_(target) {
    // The ".pdf" at the end keeps the printer writing a PDF to the temporary name.
    QTemporaryFile file(target + QStringLiteral(".XXXXXX.pdf"));
    if (!file.open()) {
        problem_ = file.errorString();
        return;
    }
    file.setAutoRemove(false); // kept, closed, for the printer to write
    printPath_ = file.fileName();
}

PendingPdf::~PendingPdf() {
    if (!printPath_.isEmpty()) {
        QFile::remove(printPath_);
    }
}

WriteOutcome PendingPdf::finish(bool printed) {
    if (printPath_.isEmpty()) {
        return WriteOutcome{false, problem_};
    }
    const QString finished = std::exchange(printPath_, QString());
    if (!printed || !endsAsWholePdf(finished)) {
        QFile::remove(finished);
        return WriteOutcome{false, QCoreApplication::translate(
                                       "PendingPdf", "the PDF could not be written whole; the "
                                                     "disk may be full, or the printer failed")};
    }
    return replaceFileAtomically(fsPath(finished), fsPath(target_));
}

bool endsAsWholePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) ||
        !file.seek(std::max<qint64>(0, file.size() - tailBytes))) {
        return false;
    }
    return file.read(tailBytes).trimmed().endsWith("%%EOF");
}
