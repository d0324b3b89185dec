// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartPainter.h"

#include "common/DisplayNumbers.h"
#include "common/OperationKind.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QPrinter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// Okabe and Ito's palette, chosen to stay distinct under the common colour blindnesses, with
// Paul Tol's wine for the seventh kind in place of their black, which the axes use.
const std::array<QColor, 8> colours = {
    QColor(Qt::gray),      QColor(0, 114, 178), QColor(213, 94, 0),   QColor(0, 158, 115),
    QColor(204, 121, 167), QColor(230, 159, 0), QColor(86, 180, 233), QColor(136, 34, 85)};

struct Axes {
    QRectF plot;
    qreal inset = 0; // keeps the first and last points off the frame
    qint64 firstDay = 0;
    qint64 lastDay = 0;

    QPointF at(const QDate& date, double percent) const {
        const double span = static_cast<double>(lastDay - firstDay);
        const double x =
            plot.left() + inset +
            (plot.width() - 2 * inset) * static_cast<double>(date.toJulianDay() - firstDay) / span;
        const double y = plot.bottom() - plot.height() * std::clamp(percent, 0.0, 100.0) / 100.0;
        return {x, y};
    }
};

QPolygonF regularShape(const QPointF& centre, qreal radius, int corners, double startDegrees) {
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const double angle = (startDegrees + 360.0 * i / corners) * M_PI / 180.0;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

qreal lineHeight(const QPainter& painter) {
    return QFontMetricsF(painter.font(), painter.device()).height();
}

qreal legendWidth(const QPainter& painter, const ChartData& data) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    qreal widest = 0;
    for (const ChartSeries& series : data.series) {
        widest = std::max(widest, metrics.horizontalAdvance(opText(series.kind)));
    }
    return widest + 3 * lineHeight(painter);
}

void drawPercentAxis(QPainter& painter, const Axes& axes) {
    const qreal em = lineHeight(painter);
    for (int percent = 0; percent <= 100; percent += 20) {
        const qreal y = axes.at(QDate::fromJulianDay(axes.firstDay), percent).y();
        painter.setPen(QPen(QColor(210, 210, 210), em / 16));
        painter.drawLine(QPointF(axes.plot.left(), y), QPointF(axes.plot.right(), y));
        painter.setPen(QPen(Qt::black, em / 16));
        const QString text = QString::number(percent);
        painter.drawText(QRectF(axes.plot.left() - em * 3, y - em / 2, em * 2.6, em),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    }
}

void drawDateAxis(QPainter& painter, const Axes& axes) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal em = lineHeight(painter);
    // A date of two-digit fields, as wide as any in the usual fonts, whose digits have one width.
    const qreal labelWidth = metrics.horizontalAdvance(displayDate(2000, 10, 28)) + em;
    const qint64 days = axes.lastDay - axes.firstDay;
    const qint64 room = std::max<qint64>(1, static_cast<qint64>(axes.plot.width() / labelWidth));
    const qint64 step = std::max<qint64>(1, (days + room - 1) / room);
    painter.setPen(QPen(Qt::black, em / 16));
    for (qint64 day = axes.firstDay; day <= axes.lastDay; day += step) {
        const QDate date = QDate::fromJulianDay(day);
        const qreal x = axes.at(date, 0).x();
        painter.drawLine(QPointF(x, axes.plot.bottom()), QPointF(x, axes.plot.bottom() + em / 4));
        painter.drawText(QRectF(x - labelWidth / 2, axes.plot.bottom() + em / 3, labelWidth, em),
                         Qt::AlignHCenter | Qt::AlignTop, displayDate(date));
    }
    painter.drawRect(axes.plot);
}

void drawSeries(QPainter& painter, const Axes& axes, const ChartSeries& series) {
    const qreal em = lineHeight(painter);
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(series.points.size()));
    for (const ChartPoint& point : series.points) {
        line << axes.at(point.date, point.percent);
    }
    painter.setPen(QPen(kindColour(series.kind), em / 10));
    painter.drawPolyline(line);
    for (const QPointF& centre : line) {
        drawKindMarker(painter, centre, em * 0.55, series.kind);
    }
}

void drawLegend(QPainter& painter, const QRectF& box, const ChartData& data) {
    const qreal em = lineHeight(painter);
    qreal y = box.top();
    for (const ChartSeries& series : data.series) {
        const QPointF marker(box.left() + em, y + em / 2);
        painter.setPen(QPen(kindColour(series.kind), em / 10));
        painter.drawLine(marker - QPointF(em * 0.8, 0), marker + QPointF(em * 0.8, 0));
        drawKindMarker(painter, marker, em * 0.55, series.kind);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(box.left() + em * 2.2, y, box.width() - em * 2.2, em),
                         Qt::AlignLeft | Qt::AlignVCenter, opText(series.kind));
        y += em * 1.4;
    }
}
} // namespace

QColor kindColour(int kind) {
    return isOperationKind(kind) ? colours[static_cast<std::size_t>(kind)] : QColor(Qt::gray);
}

// Circle, square, triangle, diamond, triangle pointing down, plus and cross: filled shapes
// for the four single operations, open or line shapes for the mixes.
void drawKindMarker(QPainter& painter, const QPointF& centre, qreal size, int kind) {
    const qreal r = size / 2;
    const QColor colour = kindColour(kind);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, size / 5));
    painter.setBrush(colour);
    switch (kind) {
    case 1:
        painter.drawEllipse(centre, r, r);
        break;
    case 2:
        painter.drawRect(QRectF(centre - QPointF(r, r), QSizeF(size, size)));
        break;
    case 3:
        painter.drawPolygon(regularShape(centre, r * 1.2, 3, -90));
        break;
    case 4:
        painter.drawPolygon(regularShape(centre, r * 1.2, 4, 0));
        break;
    case 5:
        painter.setBrush(Qt::white);
        painter.drawPolygon(regularShape(centre, r * 1.2, 3, 90));
        break;
    case 6:
        painter.drawLine(centre - QPointF(r, 0), centre + QPointF(r, 0));
        painter.drawLine(centre - QPointF(0, r), centre + QPointF(0, r));
        break;
    default:
        painter.drawLine(centre - QPointF(r, r), centre + QPointF(r, r));
        painter.drawLine(centre - QPointF(r, -r), centre + QPointF(r, -r));
        break;
    }
    painter.restore();
}

void paintChart(QPainter& painter, const QRectF& area, const ChartData& data) {
    if (data.empty()) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, noResultsSentence());
        return;
    }
    const qreal em = lineHeight(painter);
    const qreal legend = legendWidth(painter, data);
    Axes axes;
    axes.plot = area.adjusted(em * 3.2, em * 1.6, -(legend + em), -em * 1.8);
    axes.inset = em;
    // A single day gets a day either side, so its points stand in the middle.
    axes.firstDay = data.firstDate.toJulianDay();
    axes.lastDay = data.lastDate.toJulianDay();
    if (axes.firstDay == axes.lastDay) {
        --axes.firstDay;
        ++axes.lastDay;
    }
    painter.save();
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), em), Qt::AlignLeft,
                     QCoreApplication::translate("ChartPainter", "Percent correct"));
    drawPercentAxis(painter, axes);
    drawDateAxis(painter, axes);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(axes.plot.adjusted(-em, -em, em, em));
    for (const ChartSeries& series : data.series) {
        drawSeries(painter, axes, series);
    }
    painter.setClipping(false);
    drawLegend(painter, QRectF(axes.plot.right() + em, axes.plot.top(), legend, axes.plot.height()),
               data);
    painter.restore();
}

QImage chartImage(const ChartData& data, const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)).adjusted(8, 8, -8, -8), data);
    return image;
}

bool printChart(QPrinter& printer, const ChartData& data, const QString& title) {
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRectF page = printer.pageRect(QPrinter::DevicePixel)
                            .translated(-printer.pageRect(QPrinter::DevicePixel).topLeft());
    const qreal em = lineHeight(painter);
    QFont heading = painter.font();
    heading.setBold(true);
    painter.save();
    painter.setFont(heading);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), em * 1.5), Qt::AlignLeft, title);
    painter.restore();
    paintChart(painter, page.adjusted(0, em * 2, 0, 0), data);
    return painter.end();
}
