// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportRows.h"

#include "common/DisplayNumbers.h"
#include "common/NumberText.h"
#include "common/OperationKind.h"

#include <QCoreApplication>

QStringList reportHeadings() {
    // The headings keep the spaces that make them of a length, as the report has always shown
    // them.
    static const char* const headings[] = {
        QT_TRANSLATE_NOOP("ReportRows", "Date"),    QT_TRANSLATE_NOOP("ReportRows", "Add "),
        QT_TRANSLATE_NOOP("ReportRows", "Sub "),    QT_TRANSLATE_NOOP("ReportRows", "Mult"),
        QT_TRANSLATE_NOOP("ReportRows", "Div "),    QT_TRANSLATE_NOOP("ReportRows", "Mix "),
        QT_TRANSLATE_NOOP("ReportRows", "Add/Sub"), QT_TRANSLATE_NOOP("ReportRows", "Mul/Div")};
    QStringList shown;
    for (const char* heading : headings) {
        shown << QCoreApplication::translate("ReportRows", heading);
    }
    return shown;
}

QString formatScoreDate(std::uint16_t packedDate) {
    const int day = packedDate & 0x1F;
    const int month = (packedDate >> 5) & 0x0F;
    const int year = 1980 + (packedDate >> 9);
    return displayDate(year, month, day);
}

QString formatResult(const ScoreRecord& record, ReportMode mode) {
    if (mode == ReportMode::CorrectOfTotal) {
        return QString::fromStdString(numberWithSign(record.correct) + " /" +
                                      numberWithSign(record.problems));
    }
    return displayPercent(record.correct, record.problems);
}

QStringList reportCells(const ScoreRecord& record, ReportMode mode) {
    QStringList cells{formatScoreDate(record.date)};
    for (int kind = firstOperationKind; kind <= lastOperationKind; ++kind) {
        cells.append(kind == record.kind ? formatResult(record, mode) : QString());
    }
    return cells;
}

QString cellSpeech(const QStringList& cells, int column) {
    const QString text = cells.value(column).trimmed();
    if (column == 0 || text.isEmpty()) {
        return text;
    }
    return QCoreApplication::translate("ReportRows", "%1 %2", "a column's heading, then its result")
        .arg(reportHeadings().value(column).trimmed(), text);
}

QString rowSpeech(const QStringList& cells) {
    QStringList spoken;
    for (int column = 0; column < cells.size(); ++column) {
        if (const QString cell = cellSpeech(cells, column); !cell.isEmpty()) {
            spoken << cell;
        }
    }
    return spoken.join(", ");
}
