// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overview/OverviewRow.h"

#include <QAbstractTableModel>

#include <vector>

// The overview rows as a table for a view: the cell texts to show, the sort keys under
// Qt::UserRole, and what is wrong with a file as the child cell's tool tip.
class OverviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    OverviewModel(std::vector<OverviewRow> rows, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const OverviewRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }

private:
    std::vector<OverviewRow> rows_;
    std::vector<QStringList> cells_;
    QStringList headings_;
};
