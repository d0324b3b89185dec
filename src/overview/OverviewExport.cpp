// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/OverviewExport.h"

#include "common/DisplayNumbers.h"

#include <QCoreApplication>
#include <QDir>

namespace {
bool isTextColumn(int column) {
    return column == 0 || column == overviewNoteColumn;
}

QString csvField(QString text, int column) {
    // A tab or a carriage return first is taken for the start of a formula by some
    // spreadsheets too.
    if (isTextColumn(column) && !text.isEmpty() && QString("=+-@\t\r").contains(text.front())) {
        text.prepend('\'');
    }
    if (text.contains(',') || text.contains('"') || text.contains('\n') || text.contains('\r')) {
        text = '"' + text.replace('"', "\"\"") + '"';
    }
    return text;
}

QByteArray csvLine(const QStringList& cells) {
    QStringList fields;
    for (int column = 0; column < cells.size(); ++column) {
        fields << csvField(cells[column], column);
    }
    return fields.join(',').toUtf8() + "\r\n";
}

// Shares of the page width: room for a name, a date, a percentage, "144/144"; the note takes
// the rest.
double columnWidthPercent(int column) {
    switch (column) {
    case 0:
        return 8;
    case 1:
        return 3.5;
    case 2:
    case 3:
        return 6.5;
    case overviewNoteColumn:
        return 10;
    default:
        return column >= firstKnownColumn ? 4 : 3.5;
    }
}

// The overview's English date is the ISO one; a translation writes the language's.
QString printedDate(const QDate& date) {
    return displayFollowsLanguage() ? displayDate(date) : date.toString("yyyy-MM-dd");
}

QString htmlRow(const QStringList& cells, const char* tag) {
    const bool heading = QString(tag) == "th";
    QString row = "<tr>";
    for (int column = 0; column < cells.size(); ++column) {
        const QString width =
            heading ? QString(" width=\"%1%\"").arg(columnWidthPercent(column)) : QString();
        row += QString("<%1%2>%3</%1>").arg(tag, width, cells[column].toHtmlEscaped());
    }
    return row + "</tr>\n";
}
} // namespace

QByteArray overviewCsv(const std::vector<const OverviewRow*>& rows) {
    QByteArray csv = csvLine(overviewFileHeadings());
    for (const OverviewRow* row : rows) {
        csv += csvLine(overviewFileCells(*row));
    }
    return csv;
}

QString overviewHtml(const std::vector<const OverviewRow*>& rows, const QString& folder,
                     const QDate& printed) {
    const QString title =
        QCoreApplication::translate("OverviewExport", "Tallyburrow class overview");
    //: the data folder, then the day it was printed
    const QString printedLine =
        QCoreApplication::translate("OverviewExport", "Folder %1, printed %2")
            .toHtmlEscaped()
            .arg(QDir::toNativeSeparators(folder).toHtmlEscaped(), printedDate(printed));
    QString html = "<h2>" + title.toHtmlEscaped() + "</h2>\n<p>" + printedLine +
                   "</p>\n"
                   "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n";
    html += htmlRow(overviewHeadings(), "th");
    for (const OverviewRow* row : rows) {
        html += htmlRow(overviewCells(*row), "td");
    }
    return html + "</table>\n";
}
