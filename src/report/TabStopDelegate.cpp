#include "report/TabStopDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextOption>

#include <utility>

TabStopDelegate::TabStopDelegate(QList<int> stopPixels, QObject* parent)
    : QStyledItemDelegate(parent), stopPixels_(std::move(stopPixels)) {}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* view = option.widget;
    QStyle* style = view != nullptr ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    QList<QTextOption::Tab> tabs;
    for (int stop : stopPixels_) {
        tabs.append(QTextOption::Tab(stop, QTextOption::LeftTab));
    }
    layout.setTabs(tabs);

    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QRectF(option.rect), text, layout);
    painter->restore();
}
