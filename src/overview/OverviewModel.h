// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overview/OverviewRow.h"

#include <QAbstractTableModel>

#include <vector>

// The overview rows as a table for a view: the cell texts to show, the sort keys under
// Qt::UserRole, what is wrong with a file as the child cell's tool tip, and why a "?" stands
// in the known columns as their tool tip and accessible description.
class OverviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    OverviewModel(std::vector<OverviewRow> rows, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const OverviewRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }
    const std::vector<OverviewRow>& rows() const { return rows_; }
    // The facts known of a row, counted after the table was first shown.
    void setFluency(int index, ChildFluency fluency);

private:
    QVariant toolTip(const OverviewRow& row, int column) const;

    std::vector<OverviewRow> rows_;
    std::vector<QStringList> cells_;
    QStringList headings_;
};
