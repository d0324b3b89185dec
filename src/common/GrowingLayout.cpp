// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/GrowingLayout.h"

#include "common/TextFit.h"
#include "common/TextSize.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidgetItem>

#include <algorithm>

namespace {
// A push button's frame and the least room beside its text.
constexpr int buttonChromeWidth = 8;
constexpr int buttonChromeHeight = 4;
// A one-line box's frame and inner margins beside its text.
constexpr int lineEditChrome = 10;

// The height of a line of text in the font: what a box must show uncut.
int lineHeight(const QFontMetrics& metrics) {
    return metrics.ascent() + metrics.descent();
}

QString withoutMnemonic(QString text) {
    return text.replace(QLatin1String("&&"), QLatin1String("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QSize textSize(const QFontMetrics& metrics, const QString& text) {
    const QRect bounds = metrics.boundingRect(QRect(0, 0, 100000, 100000), 0, text);
    return {bounds.width(), std::max(bounds.height(), metrics.height())};
}

int longestEntryWidth(const QComboBox* combo) {
    int longest = 0;
    for (int i = 0; i < combo->count(); ++i) {
        longest = std::max(longest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    }
    return longest;
}

QSize comboSize(const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QSize text(longestEntryWidth(combo), lineHeight(combo->fontMetrics()));
    return combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo);
}
} // namespace

QSize neededSize(const QWidget* control, QSize drawn) {
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QSize needed = textSize(button->fontMetrics(), withoutMnemonic(button->text())) +
                       QSize(buttonChromeWidth, buttonChromeHeight);
        if (!button->icon().isNull()) {
            needed.rwidth() += button->iconSize().width() + buttonChromeWidth;
        }
        return needed;
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (!label->pixmap().isNull() || label->text().isEmpty()) {
            return {};
        }
        if (label->wordWrap()) {
            return {drawn.width(), label->heightForWidth(drawn.width())};
        }
        const QFontMetrics metrics = label->fontMetrics();
        const auto lines = label->text().count(QLatin1Char('\n'));
        return {label->sizeHint().width(),
                lineHeight(metrics) + static_cast<int>(lines) * metrics.lineSpacing()};
    }
    if (const auto* box = qobject_cast<const QAbstractButton*>(control)) {
        return {box->sizeHint().width(), lineHeight(box->fontMetrics())};
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        const QSize needed = comboSize(combo);
        return {needed.width(),
                combo->isEditable() ? needed.height() : lineHeight(combo->fontMetrics())};
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        // A box keeps the room it was drawn with for what is typed, in the larger text too.
        const int typed = edit->fontMetrics().horizontalAdvance(edit->text()) + lineEditChrome;
        return {std::max(typed, qRound(drawn.width() * textScale())),
                lineHeight(edit->fontMetrics())};
    }
    if (control->layout() != nullptr) {
        return control->sizeHint();
    }
    return {};
}

GrowingLayout::GrowingLayout(QWidget* window) : QLayout(nullptr) {
    drawnSize_ = window->size();
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetFixedSize);
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->setLayout(this);
}

GrowingLayout::~GrowingLayout() {
    qDeleteAll(items_);
}

void GrowingLayout::addItem(QLayoutItem* item) {
    // A control added after the drawing keeps the place it has when added.
    drawn_.append(item->widget() != nullptr ? item->widget()->geometry() : QRect());
    items_.append(item);
    invalidate();
}

int GrowingLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* GrowingLayout::itemAt(int index) const {
    return items_.value(index);
}

QLayoutItem* GrowingLayout::takeAt(int index) {
    if (index < 0 || index >= items_.size()) {
        return nullptr;
    }
    drawn_.removeAt(index);
    QLayoutItem* item = items_.takeAt(index);
    invalidate();
    return item;
}

void GrowingLayout::invalidate() {
    cached_ = false;
    QLayout::invalidate();
}

void GrowingLayout::setDrawnWidth(QWidget* control, int width) {
    const int index = indexOf(control);
    if (index >= 0 && drawn_[index].width() != width) {
        drawn_[index].setWidth(width);
        invalidate();
    }
}

void GrowingLayout::takeInNewChildren() const {
    const QWidget* window = parentWidget();
    if (window == nullptr) {
        return;
    }
    const QList<QWidget*> children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!child->isWindow() && indexOf(child) < 0) {
            drawn_.append(child->geometry());
            items_.append(new QWidgetItem(child));
            cached_ = false;
        }
    }
}

void GrowingLayout::setDrawnSize(QSize size) {
    if (drawnSize_ != size) {
        drawnSize_ = size;
        invalidate();
    }
}

GrownPlacement GrowingLayout::placement() const {
    takeInNewChildren();
    if (cached_) {
        return cache_;
    }
    std::vector<GrowingControl> controls;
    for (qsizetype i = 0; i < items_.size(); ++i) {
        const QWidget* widget = items_[i]->widget();
        const auto* label = qobject_cast<const QLabel*>(widget);
        controls.push_back({drawn_[i],
                            widget != nullptr ? neededSize(widget, drawn_[i].size()) : QSize(),
                            label != nullptr && label->wordWrap()});
    }
    if (textsAsDrawn()) {
        cache_ = {{drawn_.begin(), drawn_.end()}, drawnSize_};
        cached_ = true;
        return cache_;
    }
    cache_ = growPlacement(controls, drawnSize_, [this](std::size_t i, int width) {
        return items_[static_cast<qsizetype>(i)]->widget()->heightForWidth(width);
    });
    cached_ = true;
    return cache_;
}

QSize GrowingLayout::sizeHint() const {
    return placement().windowSize;
}

QSize GrowingLayout::minimumSize() const {
    return placement().windowSize;
}

void GrowingLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const GrownPlacement grown = placement();
    // Right to left, the window is the mirror image of its drawing, as in Qt's own layouts.
    const QRect window(rect.topLeft(), grown.windowSize);
    const Qt::LayoutDirection direction =
        parentWidget() != nullptr ? parentWidget()->layoutDirection() : Qt::LeftToRight;
    for (qsizetype i = 0; i < items_.size(); ++i) {
        if (QWidget* widget = items_[i]->widget()) {
            const QRect placed =
                grown.rects[static_cast<std::size_t>(i)].translated(rect.topLeft());
            widget->setGeometry(QStyle::visualRect(direction, window, placed));
        }
    }
}

void growWithText(QWidget* window) {
    if (window->layout() == nullptr) {
        new GrowingLayout(window);
    }
    window->layout()->activate();
}
