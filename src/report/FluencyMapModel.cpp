// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/FluencyMapModel.h"

#include "report/FluencyMapText.h"

#include <QBrush>

#include <cstdint>
#include <utility>

QColor stateColour(FactState state) {
    switch (state) {
    case FactState::Known:
        return {0xA8, 0xDD, 0xB5}; // green
    case FactState::Slow:
        return {0xFF, 0xE0, 0x8A}; // amber
    case FactState::NotYet:
        return {0xF8, 0xB4, 0xC0}; // pink
    default:
        return {0xF2, 0xF2, 0xF2}; // light grey
    }
}

FluencyMapModel::FluencyMapModel(FluencyGrid grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(std::move(grid)) {
    for (std::int64_t b = grid_.secondLow; b <= grid_.secondHigh; ++b) {
        // Division has no column for 0 (nothing is divided by 0).
        if (grid_.operation != 4 || b != 0) {
            columnValues_.push_back(static_cast<int>(b));
        }
    }
}

int FluencyMapModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || columnValues_.empty()
               ? 0
               : static_cast<int>(grid_.cells.size() / columnValues_.size());
}

int FluencyMapModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || grid_.cells.empty() ? 0 : static_cast<int>(columnValues_.size());
}

const FactFluency* FluencyMapModel::cellAt(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return nullptr;
    }
    const auto at = static_cast<std::size_t>(index.row()) * columnValues_.size() +
                    static_cast<std::size_t>(index.column());
    return &grid_.cells[at];
}

QVariant FluencyMapModel::data(const QModelIndex& index, int role) const {
    const FactFluency* cell = cellAt(index);
    if (cell == nullptr) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return stateMark(cell->state);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return cellSpeech(*cell);
    case Qt::BackgroundRole:
        return QBrush(stateColour(cell->state));
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant FluencyMapModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return section < columnCount()
                   ? QVariant(columnHeading(grid_.operation, columnValues_[section]))
                   : QVariant();
    }
    if (section >= rowCount()) {
        return {};
    }
    // A subtraction or division row holds the facts whose answer is its number.
    const QString first = QString::number(std::int64_t{grid_.firstLow} + section);
    return grid_.operation == 2 || grid_.operation == 4 ? QStringLiteral("=") + first : first;
}
