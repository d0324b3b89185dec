// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/OverviewModel.h"

OverviewModel::OverviewModel(std::vector<OverviewRow> rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(std::move(rows)), headings_(overviewHeadings()) {
    cells_.reserve(rows_.size());
    for (const OverviewRow& row : rows_) {
        cells_.push_back(overviewCells(row));
        // The child's cell says at once that the file could not be read whole.
        if (row.file.state == ChildFileState::Unreadable) {
            cells_.back()[0] = tr("%1 (cannot be read)").arg(cells_.back()[0]);
        } else if (row.file.state == ChildFileState::Damaged) {
            cells_.back()[0] = tr("%1 (damaged file)").arg(cells_.back()[0]);
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
    case Qt::AccessibleDescriptionRole:
        return toolTip(rows_[row], index.column());
    case Qt::TextAlignmentRole:
        return index.column() == 0 || index.column() == overviewNoteColumn
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant OverviewModel::toolTip(const OverviewRow& row, int column) const {
    const QString& problem = column >= firstKnownColumn ? row.fluency.problem : row.file.problem;
    return problem.isEmpty() ? QVariant() : problem;
}

void OverviewModel::setFluency(int index, ChildFluency fluency) {
    auto& row = rows_[static_cast<std::size_t>(index)];
    row.fluency = std::move(fluency);
    QStringList& cells = cells_[static_cast<std::size_t>(index)];
    for (int operation = 1; operation <= fluencyOperationCount; ++operation) {
        cells[firstKnownColumn + operation - 1] = knownFactsCell(row.fluency, operation);
    }
    emit dataChanged(this->index(index, firstKnownColumn),
                     this->index(index, overviewColumnCount - 1));
}

QVariant OverviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < headings_.size()) {
        return headings_[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}
