// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/OverviewRow.h"

#include "common/NumberText.h"
#include "report/ChartSeries.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <limits>

namespace {
constexpr int kindColumn = 4;
constexpr int noteColumn = overviewNoteColumn;
const char* const isoDate = "yyyy-MM-dd";

QString percentCell(double value) {
    return QString::fromStdString(formatPercent(value));
}

const std::optional<KindResult>& kindOfColumn(const OverviewRow& row, int column) {
    return row.kinds[static_cast<std::size_t>((column - kindColumn) / 2)];
}

bool isBestColumn(int column) {
    return (column - kindColumn) % 2 == 1;
}

qlonglong knownFactsSortKey(const ChildFluency& fluency, int operation) {
    switch (fluency.state) {
    case FluencyState::NotCounted:
        return -2;
    case FluencyState::LogProblem:
        return -1;
    default:
        return static_cast<qlonglong>(
            fluency.operations[static_cast<std::size_t>(operation - 1)].known);
    }
}
} // namespace

OverviewRow overviewRow(ChildFile file) {
    OverviewRow row;
    for (const ScoreRecord& record : file.history) {
        const QDate date = scoreDate(record.date);
        if (date.isValid()) {
            row.firstDate = row.firstDate.isValid() ? std::min(row.firstDate, date) : date;
            row.lastDate = row.lastDate.isValid() ? std::max(row.lastDate, date) : date;
        }
    }
    for (const ChartSeries& series : chartData(file.history).series) {
        KindResult result{series.points.back().percent, 0.0};
        for (const ChartPoint& point : series.points) {
            result.best = std::max(result.best, point.percent);
        }
        row.kinds[static_cast<std::size_t>(series.kind - 1)] = result;
    }
    row.file = std::move(file);
    return row;
}

std::vector<OverviewRow> readOverview(const std::filesystem::path& folder) {
    std::vector<OverviewRow> rows;
    for (const std::filesystem::path& path : childFilePaths(folder)) {
        rows.push_back(overviewRow(readChildFile(path)));
    }
    return rows;
}

ChildFluency readChildFluency(const ChildFile& file, const SideLogListing& sideLogs) {
    if (file.state == ChildFileState::Unreadable) {
        return {};
    }
    return childFluency(file.settings, readChildAnswers(file.path, sideLogs.of(file.path)));
}

void countKnownFacts(std::vector<OverviewRow>& rows, const std::filesystem::path& folder) {
    const SideLogListing sideLogs(folder);
    for (OverviewRow& row : rows) {
        row.fluency = readChildFluency(row.file, sideLogs);
    }
}

QStringList overviewHeadings() {
    QStringList headings{"Child", "Tests", "First test", "Last test"};
    for (int kind = firstOperationKind; kind <= lastOperationKind; ++kind) {
        const QString name = QString::fromStdString(opName(kind));
        headings << name + " latest" << name + " best";
    }
    headings << "Note";
    for (int operation = 1; operation <= fluencyOperationCount; ++operation) {
        //: A column of the class overview: how many facts of the operation the child knows.
        headings << QCoreApplication::translate("OverviewRow", "%1 known")
                        .arg(QString::fromStdString(opName(operation)));
    }
    return headings;
}

QStringList overviewCells(const OverviewRow& row) {
    const bool unreadable = row.file.state == ChildFileState::Unreadable;
    QStringList cells{row.file.name,
                      unreadable ? QString() : QString::number(row.file.history.size()),
                      row.firstDate.toString(isoDate), row.lastDate.toString(isoDate)};
    for (int column = kindColumn; column < noteColumn; ++column) {
        const auto& result = kindOfColumn(row, column);
        cells << (!result ? QString()
                          : percentCell(isBestColumn(column) ? result->best : result->latest));
    }
    cells << row.file.problem;
    for (int operation = 1; operation <= fluencyOperationCount; ++operation) {
        cells << knownFactsCell(row.fluency, operation);
    }
    return cells;
}

QVariant overviewSortKey(const OverviewRow& row, int column) {
    // Empty cells get a key below every value of the column (an invalid date is below every
    // date), so they come first in ascending order and last in descending order.
    switch (column) {
    case 0:
        return row.file.name.toCaseFolded();
    case 1:
        return row.file.state == ChildFileState::Unreadable
                   ? qlonglong{-1}
                   : static_cast<qlonglong>(row.file.history.size());
    case 2:
        return row.firstDate;
    case 3:
        return row.lastDate;
    case noteColumn:
        return row.file.problem;
    default: {
        if (column >= firstKnownColumn) {
            return knownFactsSortKey(row.fluency, column - firstKnownColumn + 1);
        }
        const auto& result = kindOfColumn(row, column);
        return !result ? std::numeric_limits<double>::lowest()
                       : (isBestColumn(column) ? result->best : result->latest);
    }
    }
}

QString overviewStatus(const std::vector<OverviewRow>& rows, bool folderFound) {
    if (!folderFound) {
        return "The folder cannot be found or opened.";
    }
    if (rows.empty()) {
        return "This folder holds no child files.";
    }
    const auto problems = std::count_if(rows.begin(), rows.end(), [](const OverviewRow& row) {
        return row.file.state != ChildFileState::Read;
    });
    QString text = rows.size() == 1 ? QString("1 child") : QString("%1 children").arg(rows.size());
    if (problems > 0) {
        text += problems == 1 ? QString(", 1 file could not be read whole")
                              : QString(", %1 files could not be read whole").arg(problems);
    }
    text += ".";
    const auto logProblems = std::count_if(rows.begin(), rows.end(), [](const OverviewRow& row) {
        return row.fluency.state == FluencyState::LogProblem;
    });
    if (logProblems > 0) {
        text += QLatin1Char(' ') +
                QCoreApplication::translate("OverviewRow",
                                            "Children whose answers could not be read whole "
                                            "(\"?\"): %n.",
                                            nullptr, static_cast<int>(logProblems));
    }
    return text;
}
