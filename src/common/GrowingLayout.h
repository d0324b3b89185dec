// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/GrowRects.h"

#include <QLayout>
#include <QList>

// The layout of a window drawn at fixed rectangles: it keeps every child where the drawing
// put it while its text fits, and grows the window and moves its neighbours where a
// translation or a larger font needs more room (see GrowRects.h). It asks Qt's layout system
// for what the usual layouts do: it is told when a child's text, font or visibility changes,
// and the window takes the layout's size.
//
// Qt's grid and form layouts place controls by rows and columns of their own; the windows are
// drawn at pixel rectangles that a grid cannot reproduce exactly, and an English window must
// keep its place.
class GrowingLayout : public QLayout {
public:
    // Takes the window's present size as its drawn size. Every child widget of the window is
    // taken in, with the geometry it has then as its drawn rectangle, when the layout is first
    // asked for the window's size (so a window made at its drawn size can be given the layout
    // before its controls), and a child made later when the layout is next asked.
    explicit GrowingLayout(QWidget* window);
    ~GrowingLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    void invalidate() override;

    // Draws a control at another width (a line whose room changes with what it shows).
    void setDrawnWidth(QWidget* control, int width);
    // Draws the window at another size (a window measured before its frame was known).
    void setDrawnSize(QSize size);

private:
    GrownPlacement placement() const;
    void takeInNewChildren() const;

    mutable QList<QLayoutItem*> items_;
    mutable QList<QRect> drawn_;
    QSize drawnSize_;
    mutable bool cached_ = false;
    mutable GrownPlacement cache_;
};

// The size a control needs to show its whole text in its present font, or the drawn size
// for a control whose content scrolls (a list, a table, a box typed into).
QSize neededSize(const QWidget* control, QSize drawn);

// Gives a window drawn at fixed rectangles a GrowingLayout (once) and its grown size; the
// window's size is then the layout's. A window that has a layout already keeps it.
void growWithText(QWidget* window);
