#include "overview/OverviewExport.h"

#include <QDir>

namespace {
bool isTextColumn(int column) {
    return column == 0 || column == overviewColumnCount - 1;
}

QString csvField(QString text, int column) {
    if (isTextColumn(column) && !text.isEmpty() && QString("=+-@").contains(text.front())) {
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

QString htmlRow(const QStringList& cells, const char* tag) {
    QString row = "<tr>";
    for (const QString& cell : cells) {
        row += QString("<%1>%2</%1>").arg(tag, cell.toHtmlEscaped());
    }
    return row + "</tr>\n";
}
} // namespace

QByteArray overviewCsv(const std::vector<const OverviewRow*>& rows) {
    QByteArray csv = csvLine(overviewHeadings());
    for (const OverviewRow* row : rows) {
        csv += csvLine(overviewCells(*row));
    }
    return csv;
}

QString overviewHtml(const std::vector<const OverviewRow*>& rows, const QString& folder,
                     const QDate& printed) {
    QString html =
        QString("<h2>Tallyburrow class overview</h2>\n"
                "<p>Folder %1, printed %2</p>\n"
                "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n")
            .arg(QDir::toNativeSeparators(folder).toHtmlEscaped(), printed.toString("yyyy-MM-dd"));
    html += htmlRow(overviewHeadings(), "th");
    for (const OverviewRow* row : rows) {
        html += htmlRow(overviewCells(*row), "td");
    }
    return html + "</table>\n";
}
