// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/ChartSeries.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;
class QPrinter;

// Drawing of the progress chart on any paint device: the screen, an image or a printer.
// Sizes follow the painter's font, so a page at printer resolution looks like the window.

// Each kind has its own colour (a palette that colour-blind readers can tell apart) and its
// own marker shape, so the series stay apart in black and white too.
QColor kindColour(int kind);
void drawKindMarker(QPainter& painter, const QPointF& centre, qreal size, int kind);

// Percent axis, date axis, one line with markers per series, and a legend on the right.
void paintChart(QPainter& painter, const QRectF& area, const ChartData& data);

// The chart as an image of the given size on a white ground.
QImage chartImage(const ChartData& data, const QSize& size);

// Prints the chart on one landscape page under a title line. False when the printer could
// not start or finish the page (for example an unwritable PDF file).
bool printChart(QPrinter& printer, const ChartData& data, const QString& title);
