// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/AnswerLog.h"

#include <QString>

#include <filesystem>
#include <string>
#include <vector>

// A child's answers as the class overview sees them: the main log beside the child's file
// and the logs of runs that did not hold the child's lock, merged in memory the way the
// lock holder will fold them. The overview only reads: it never folds, compacts or writes.

// The logs of runs without the lock ("<child file>.<computer>-<pid>-<start>.answers") of
// every child of a folder, found by listing the folder once.
class SideLogListing {
public:
    explicit SideLogListing(const std::filesystem::path& folder);

    // The child's side logs in name order (the order the lock holder folds them in).
    std::vector<std::filesystem::path> of(const std::filesystem::path& childFile) const;

private:
    std::filesystem::path folder_;
    std::vector<std::string> names_; // the ".answers" names of the folder, sorted by bytes
};

struct ChildAnswers {
    AnswerLogContents log; // every answer that could be read
    QString problem;       // why a log could not be read whole; empty when all were
};

// The main log followed by each side log not already folded into it. A missing log adds
// nothing; a damaged or unreadable one adds what could be read and says why in problem.
ChildAnswers readChildAnswers(const std::filesystem::path& childFile,
                              const std::vector<std::filesystem::path>& sideLogs);
