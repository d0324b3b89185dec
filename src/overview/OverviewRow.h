// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/OperationKind.h"
#include "overview/ChildFile.h"
#include "overview/ChildFluency.h"

#include <QDate>
#include <QVariant>

#include <array>
#include <optional>
#include <vector>

// One line of the class overview: a child, how many tests, when, for each kind the latest
// and the best percent correct, and for each operation the facts the child knows.

struct KindResult {
    double latest = 0.0; // the last test of the kind by date
    double best = 0.0;
};

struct OverviewRow {
    ChildFile file;
    QDate firstDate; // of the results with a real date
    QDate lastDate;
    std::array<std::optional<KindResult>, lastOperationKind> kinds; // index kind - 1
    ChildFluency fluency; // counted apart, as it reads the answer logs
};

OverviewRow overviewRow(ChildFile file);

// Every child file of the folder, read and summed up, in name order; the facts known are not
// counted yet (see countKnownFacts).
std::vector<OverviewRow> readOverview(const std::filesystem::path& folder);

// The facts the child of the file knows, from its answer logs; not counted for a file that
// cannot be read.
ChildFluency readChildFluency(const ChildFile& file, const SideLogListing& sideLogs);
// The same for every row, one after the other.
void countKnownFacts(std::vector<OverviewRow>& rows, const std::filesystem::path& folder);

// The columns: child, tests, first and last test date, then latest and best for each of
// the seven kinds, then a note on a file that could not be read whole, then the facts known
// of each operation.
constexpr int overviewNoteColumn = 4 + 2 * lastOperationKind;
constexpr int firstKnownColumn = overviewNoteColumn + 1;
constexpr int overviewColumnCount = firstKnownColumn + fluencyOperationCount;
// The headings as the user reads them, on screen and on paper.
QStringList overviewHeadings();
// The same as written in English, for the CSV file, which spreadsheets and scripts read by
// them whatever the language.
QStringList overviewFileHeadings();

// The texts of a row's cells in column order as the user reads them, on screen and on paper:
// dates and percentages in the language's way (in English yyyy-MM-dd and "0.00"), facts known
// as "87/144", nothing where there is nothing.
QStringList overviewCells(const OverviewRow& row);
// The same for the CSV file, whatever the language: yyyy-MM-dd and the mask "0.00".
QStringList overviewFileCells(const OverviewRow& row);

// What a column sorts by: the name without regard to letter case, numbers as numbers,
// dates as dates, facts known by their number ("?" just below 0); an empty cell sorts below
// every value.
QVariant overviewSortKey(const OverviewRow& row, int column);

// The sentence under the table: how many children, and how many files could not be read;
// then how many children's answer logs could not be read whole, once they are counted.
QString overviewStatus(const std::vector<OverviewRow>& rows, bool folderFound);
