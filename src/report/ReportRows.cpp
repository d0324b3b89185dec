// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportRows.h"

#include "common/NumberText.h"
#include "common/OperationKind.h"

const QStringList& reportHeadings() {
    static const QStringList headings = {"Date", "Add ", "Sub ",    "Mult",
                                         "Div ", "Mix ", "Add/Sub", "Mul/Div"};
    return headings;
}

QString formatScoreDate(std::uint16_t packedDate) {
    const unsigned day = packedDate & 0x1Fu;
    const unsigned month = (packedDate >> 5) & 0x0Fu;
    const unsigned year = 1980u + (packedDate >> 9);
    return QString("%1-%2-%3").arg(month, 2, 10, QChar('0')).arg(day, 2, 10, QChar('0')).arg(year);
}

QString formatResult(const ScoreRecord& record, ReportMode mode) {
    if (mode == ReportMode::CorrectOfTotal) {
        return QString::fromStdString(numberWithSign(record.correct) + " /" +
                                      numberWithSign(record.problems));
    }
    return QString::fromStdString(percentText(record.correct, record.problems));
}

QStringList reportCells(const ScoreRecord& record, ReportMode mode) {
    QStringList cells{formatScoreDate(record.date)};
    for (int kind = firstOperationKind; kind <= lastOperationKind; ++kind) {
        cells.append(kind == record.kind ? formatResult(record, mode) : QString());
    }
    return cells;
}

QString cellSpeech(const QStringList& cells, int column) {
    const QString heading = reportHeadings().value(column).trimmed();
    if (column == 0) {
        // The date cell is the one that takes the focus row by row: it says the row's result.
        QString speech = heading + ", " + cells.value(0);
        for (int kind = 1; kind < cells.size(); ++kind) {
            if (!cells[kind].trimmed().isEmpty()) {
                speech +=
                    ", " + reportHeadings().value(kind).trimmed() + ", " + cells[kind].trimmed();
            }
        }
        return speech;
    }
    const QString text = cells.value(column).trimmed();
    return heading + ", " + (text.isEmpty() ? QString("none") : text) + ", " + cells.value(0);
}
