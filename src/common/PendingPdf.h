// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileWrite.h"

#include <QString>

// A PDF printed under a temporary name beside the file it is meant for, and moved over that
// file only once it is whole: a printer that fails half-way or a full disk never leaves a
// torn PDF, and never spoils the file that was there.
class PendingPdf {
public:
    // Makes the temporary file (exclusively, so nothing else can be there).
    explicit PendingPdf(const QString& target);
    // A temporary file that was never put in place is removed.
    ~PendingPdf();
    PendingPdf(const PendingPdf&) = delete;
    PendingPdf& operator=(const PendingPdf&) = delete;

    const QString& target() const { return target_; }
    // Where the printer is to write; empty when no temporary file could be made.
    const QString& printPath() const { return printPath_; }

    // When the printer says it finished and the file ends as a whole PDF does ("%%EOF"),
    // moves it over the target; otherwise removes it and leaves the target as it was.
    WriteOutcome finish(bool printed);

private:
    QString target_;
    QString printPath_;
    QString problem_; // why no temporary file could be made
};

// Whether the file ends as every whole PDF does: "%%EOF" and at most some white space.
bool endsAsWholePdf(const QString& path);
