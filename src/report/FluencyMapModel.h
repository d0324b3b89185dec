// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/Fluency.h"

#include <QAbstractTableModel>
#include <QColor>

#include <vector>

// The ground colour of a state on screen and paper: light enough for the black mark on it
// to stand out, and never the only sign of the state (the mark tells it too).
QColor stateColour(FactState state);

// One operation's fluency grid as a table: a row per first operand, a column per second;
// each cell shows its state's mark on its state's colour and reads as its fact and state.
class FluencyMapModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FluencyMapModel(FluencyGrid grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const FluencyGrid& grid() const { return grid_; }

private:
    const FactFluency* cellAt(const QModelIndex& index) const;

    FluencyGrid grid_;
    std::vector<int> columnValues_; // the second operand of each column
};
