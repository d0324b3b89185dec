// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/OverviewModel.h"

OverviewModel::OverviewModel(std::vector<OverviewRow> rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(std::move(rows)), headings_(overviewHeadings()) {
    cells_.reserve(rows_.size());
    for (const OverviewRow& row : rows_) {
        cells_.push_back(overviewCells(row));
        // The child's cell says at once that the file could not be read whole.
        if (row.file.state == ChildFileState::Unreadable) {
            cells_.back()[0] += " (cannot be read)";
        } else if (row.file.state == ChildFileState::Damaged) {
            cells_.back()[0] += " (damaged file)";
        }
    }
}

int OverviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int OverviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : overviewColumnCount;
}

QVariant OverviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cells_[row][index.column()];
    case Qt::UserRole:
        return overviewSortKey(rows_[row], index.column());
    case Qt::ToolTipRole:
        return rows_[row].file.problem.isEmpty() ? QVariant() : rows_[row].file.problem;
    case Qt::TextAlignmentRole:
        return index.column() == 0 || index.column() == overviewColumnCount - 1
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant OverviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < headings_.size()) {
        return headings_[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}
