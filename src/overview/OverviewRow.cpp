// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/OverviewRow.h"

#include "common/DisplayNumbers.h"
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

// Dates and percentages as the user reads them, or as the CSV file always writes them: ISO
// dates and a full stop. The overview's English form of a date is the ISO one.
QString dateCell(const QDate& date, bool shown) {
    return shown && displayFollowsLanguage() ? displayDate(date) : date.toString(isoDate);
}

QString percentCell(double value, bool shown) {
    return shown ? displayDecimal(value, 2) : QString::fromStdString(formatPercent(value));
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

namespace {
// The headings as written in the source, or as the user reads them.
QStringList headings(bool shown) {
    const auto text = [shown](const char* source) {
        return shown ? QCoreApplication::translate("OverviewRow", source)
                     : QString::fromUtf8(source);
    };
    const auto name = [shown](int kind) {
        return shown ? opText(kind) : QString::fromStdString(opName(kind));
    };
    QStringList list{text(QT_TRANSLATE_NOOP("OverviewRow", "Child")),
                     text(QT_TRANSLATE_NOOP("OverviewRow", "Tests")),
                     text(QT_TRANSLATE_NOOP("OverviewRow", "First test")),
                     text(QT_TRANSLATE_NOOP("OverviewRow", "Last test"))};
    for (int kind = firstOperationKind; kind <= lastOperationKind; ++kind) {
        //: A column of the class overview: the latest percent correct of the kind.
        list << text(QT_TRANSLATE_NOOP("OverviewRow", "%1 latest")).arg(name(kind));
        //: A column of the class overview: the best percent correct of the kind.
        list << text(QT_TRANSLATE_NOOP("OverviewRow", "%1 best")).arg(name(kind));
    }
    list << text(QT_TRANSLATE_NOOP("OverviewRow", "Note"));
    for (int operation = 1; operation <= fluencyOperationCount; ++operation) {
        //: A column of the class overview: how many facts of the operation the child knows.
        list << text(QT_TRANSLATE_NOOP("OverviewRow", "%1 known")).arg(name(operation));
    }
    return list;
}
} // namespace

QStringList overviewHeadings() {
    return headings(true);
}

QStringList overviewFileHeadings() {
    return headings(false);
}

namespace {
QStringList rowCells(const OverviewRow& row, bool shown) {
    const bool unreadable = row.file.state == ChildFileState::Unreadable;
    QStringList cells{row.file.name,
                      unreadable ? QString() : QString::number(row.file.history.size()),
                      dateCell(row.firstDate, shown), dateCell(row.lastDate, shown)};
    for (int column = kindColumn; column < noteColumn; ++column) {
        const auto& result = kindOfColumn(row, column);
        cells << (!result
                      ? QString()
                      : percentCell(isBestColumn(column) ? result->best : result->latest, shown));
    }
    cells << row.file.problem;
    for (int operation = 1; operation <= fluencyOperationCount; ++operation) {
        cells << knownFactsCell(row.fluency, operation);
    }
    return cells;
}
} // namespace

QStringList overviewCells(const OverviewRow& row) {
    return rowCells(row, true);
}

QStringList overviewFileCells(const OverviewRow& row) {
    return rowCells(row, false);
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
        return QCoreApplication::translate("OverviewRow", "The folder cannot be found or opened.");
    }
    if (rows.empty()) {
        return QCoreApplication::translate("OverviewRow", "This folder holds no child files.");
    }
    const auto problems = std::count_if(rows.begin(), rows.end(), [](const OverviewRow& row) {
        return row.file.state != ChildFileState::Read;
    });
    // There are never more files that could not be read than children. The counts are ints
    // of their own: lupdate does not read a cast among a translation's arguments.
    const auto children = static_cast<int>(rows.size());
    const auto unread = static_cast<int>(problems);
    QString text;
    if (children == 1) {
        text = problems == 0 ? QCoreApplication::translate("OverviewRow", "1 child.")
                             : QCoreApplication::translate(
                                   "OverviewRow", "1 child, 1 file could not be read whole.");
    } else if (problems == 0) {
        text = QCoreApplication::translate("OverviewRow", "%n children.", nullptr, children);
    } else if (problems == 1) {
        text = QCoreApplication::translate(
            "OverviewRow", "%n children, 1 file could not be read whole.", nullptr, children);
    } else {
        //: %1 is the number of children, more than the files
        text = QCoreApplication::translate(
                   "OverviewRow", "%1 children, %n files could not be read whole.", nullptr, unread)
                   .arg(children);
    }
    const auto logProblems =
        static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const OverviewRow& row) {
            return row.fluency.state == FluencyState::LogProblem;
        }));
    if (logProblems > 0) {
        text += QLatin1Char(' ') +
                QCoreApplication::translate("OverviewRow",
                                            "Children whose answers could not be read whole "
                                            "(\"?\"): %n.",
                                            nullptr, logProblems);
    }
    return text;
}
