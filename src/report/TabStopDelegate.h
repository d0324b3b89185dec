#pragma once

#include <QList>
#include <QStyledItemDelegate>

// Draws an item's text with its tab characters expanded at fixed stops (pixels from the
// item's left edge), the way a list box with tab stops shows a table. The item's text
// itself, tabs included, stays what a screen reader reads.
class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TabStopDelegate(QList<int> stopPixels, QObject* parent);

    const QList<int>& stopPixels() const { return stopPixels_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QList<int> stopPixels_;
};
