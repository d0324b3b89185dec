// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/OperationKind.h"
#include "overview/ChildFile.h"

#include <QDate>
#include <QVariant>

#include <array>
#include <optional>
#include <vector>

// One line of the class overview: a child, how many tests, when, and for each kind the
// latest and the best percent correct.

struct KindResult {
    double latest = 0.0; // the last test of the kind by date
    double best = 0.0;
};

struct OverviewRow {
    ChildFile file;
    QDate firstDate; // of the results with a real date
    QDate lastDate;
    std::array<std::optional<KindResult>, lastOperationKind> kinds; // index kind - 1
};

OverviewRow overviewRow(ChildFile file);

// Every child file of the folder, read and summed up, in name order.
std::vector<OverviewRow> readOverview(const std::filesystem::path& folder);

// The columns: child, tests, first and last test date, then latest and best for each of
// the seven kinds, then a note on a file that could not be read whole.
constexpr int overviewColumnCount = 4 + 2 * lastOperationKind + 1;
QStringList overviewHeadings();

// The texts of a row's cells in column order: dates as yyyy-MM-dd, percentages with the
// mask "0.00", nothing where there is nothing.
QStringList overviewCells(const OverviewRow& row);

// What a column sorts by: the name without regard to letter case, numbers as numbers,
// dates as dates; an empty cell sorts below every value.
QVariant overviewSortKey(const OverviewRow& row, int column);

// The sentence under the table: how many children, and how many files could not be read.
QString overviewStatus(const std::vector<OverviewRow>& rows, bool folderFound);
