// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/FluencyMapPrint.h"

#include "report/FluencyMapModel.h"
#include "report/FluencyMapText.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {
// The heights of the lines above the grid, in lines of the body font.
constexpr qreal linesAboveGrid = 5;

qreal lineHeight(const QPainter& painter) {
    return painter.fontMetrics().height();
}

void drawMarkedBox(QPainter& painter, const QRectF& box, FactState state, const QString& text) {
    painter.fillRect(box, stateColour(state));
    painter.setPen(Qt::gray);
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
}

// The legend on one line: each state's box with its mark, then its word.
void drawLegend(QPainter& painter, QPointF at) {
    const qreal em = lineHeight(painter);
    for (FactState state : legendStates) {
        drawMarkedBox(painter, QRectF(at, QSizeF(em, em)), state, stateMark(state));
        const QString word = stateWord(state);
        painter.drawText(QPointF(at.x() + em * 1.3, at.y() + painter.fontMetrics().ascent()), word);
        at.rx() += em * 2.5 + painter.fontMetrics().horizontalAdvance(word);
    }
}

// The grid under its headings, its cells square and as large as fit (at most three lines).
void drawGrid(QPainter& painter, const QRectF& area, const FluencyMapModel& model) {
    const int rows = model.rowCount();
    const int columns = model.columnCount();
    if (rows == 0 || columns == 0) {
        return;
    }
    const qreal cell = std::min(
        {area.width() / (columns + 1), area.height() / (rows + 1), lineHeight(painter) * 3});
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(cell * 0.45)));
    painter.save();
    painter.setFont(font);
    for (int column = 0; column < columns; ++column) {
        painter.drawText(QRectF(area.left() + cell * (column + 1), area.top(), cell, cell),
                         Qt::AlignCenter,
                         model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    }
    for (int row = 0; row < rows; ++row) {
        const qreal top = area.top() + cell * (row + 1);
        painter.drawText(QRectF(area.left(), top, cell, cell), Qt::AlignCenter,
                         model.headerData(row, Qt::Vertical, Qt::DisplayRole).toString());
        for (int column = 0; column < columns; ++column) {
            const QModelIndex index = model.index(row, column);
            const auto state =
                model.grid().cells[static_cast<std::size_t>(row * columns + column)].state;
            drawMarkedBox(painter, QRectF(area.left() + cell * (column + 1), top, cell, cell),
                          state, index.data().toString());
        }
    }
    painter.restore();
}

void drawPage(QPainter& painter, const QRectF& page, const FluencyGrid& grid,
              const QString& title) {
    const qreal em = lineHeight(painter);
    QFont heading = painter.font();
    heading.setBold(true);
    painter.save();
    painter.setFont(heading);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), em * 1.5), Qt::AlignLeft, title);
    painter.restore();
    painter.drawText(QRectF(page.left(), page.top() + em * 1.5, page.width(), em), Qt::AlignLeft,
                     countLine(grid));
    drawLegend(painter, QPointF(page.left(), page.top() + em * 3));
    const FluencyMapModel model(grid);
    drawGrid(painter, page.adjusted(0, em * linesAboveGrid, 0, 0), model);
}
} // namespace

bool printFluencyMap(QPrinter& printer, const std::array<FluencyGrid, 4>& grids,
                     const QString& title) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    QFont body = painter.font();
    body.setPointSize(12); // a size a grown-up reads at arm's length
    painter.setFont(body);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel)
                            .translated(-printer.pageRect(QPrinter::DevicePixel).topLeft());
    bool first = true;
    for (const FluencyGrid& grid : grids) {
        if (!first && !printer.newPage()) {
            painter.end();
            return false;
        }
        first = false;
        drawPage(painter, page, grid, title);
    }
    return painter.end();
}
