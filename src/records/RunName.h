// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

// Files that a run without the child's lock keeps for itself are named after the run:
// "<child file>.<computer>-<pid>-<start>.<kind>", so that two copies never write one file and
// the copy that later holds the lock can tell whether their writer still runs.

// This run's part of such a name.
QString runNamePart(std::int64_t runStartMs);

// A computer's name as it may stand in a file name: letters and digits of ASCII, others "_".
QString computerNamePart(const QString& host);

// True when a run of this computer with that process number is still running.
bool runsOnThisComputer(const QString& hostPart, std::int64_t pid);
