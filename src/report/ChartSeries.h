// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentRecord.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

// The numbers behind the progress chart: one series of percentages over time per operation
// kind that has results.

// One test on the chart.
struct ChartPoint {
    QDate date;
    double percent = 0.0; // correct / problems x 100 as the report shows it; 0 for no problems

    bool operator==(const ChartPoint&) const = default;
};

// The tests of one kind, in date order (tests of one day in the order they were added).
struct ChartSeries {
    int kind = 0;
    std::vector<ChartPoint> points;

    bool operator==(const ChartSeries&) const = default;
};

struct ChartData {
    std::vector<ChartSeries> series; // only kinds with results, Add first
    QDate firstDate;                 // the span of the points' dates
    QDate lastDate;
    int undated = 0;     // results without a real date, drawn on the day of the result before
    int unknownKind = 0; // results of a kind outside 1 to 7: not drawn

    bool empty() const { return series.empty(); }
};

// The calendar date of a packed score date; an invalid date for 0 or for a day that does
// not exist (such as month 13 or February 30).
QDate scoreDate(std::uint16_t packed);

// The percentage of a result as the report writes it.
double scorePercent(const ScoreRecord& record);

// The series of a history. A result without a real date is placed on the date of the result
// stored before it (results are stored in the order they were taken), or of the first dated
// result after it; when no result has a date, on 1980-01-01, the day a packed date of 0 names.
ChartData chartData(const std::vector<ScoreRecord>& history);

// "Mult: 12 tests, from 45.00 to 90.00 percent, latest 80.00": the lowest and the highest
// result, then the latest; one test gives "Div: 1 test, 90.00 percent".
QString seriesSummary(const ChartSeries& series);

// What the chart shows, in words, for its accessible description.
QString chartDescription(const ChartData& data);

// The sentence shown instead of an empty chart.
QString noResultsSentence();
