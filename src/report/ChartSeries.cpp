// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartSeries.h"

#include "common/DisplayNumbers.h"
#include "common/OperationKind.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <optional>

QString noResultsSentence() {
    return QCoreApplication::translate("ChartSeries", "There are no test results to show yet.");
}

namespace {
QString percent(double value) {
    return displayDecimal(value, 2);
}

// The dates of the history with undated results filled in from their neighbours.
std::vector<QDate> placedDates(const std::vector<ScoreRecord>& history) {
    std::vector<QDate> dates;
    dates.reserve(history.size());
    std::optional<QDate> firstDated;
    for (const ScoreRecord& record : history) {
        dates.push_back(scoreDate(record.date));
        if (!firstDated && dates.back().isValid()) {
            firstDated = dates.back();
        }
    }
    QDate previous = firstDated.value_or(QDate(1980, 1, 1));
    for (QDate& date : dates) {
        if (date.isValid()) {
            previous = date;
        } else {
            date = previous;
        }
    }
    return dates;
}
} // namespace

QDate scoreDate(std::uint16_t packed) {
    return QDate(1980 + (packed >> 9), (packed >> 5) & 0x0F, packed & 0x1F);
}

double scorePercent(const ScoreRecord& record) {
    if (record.problems == 0) {
        return 0.0;
    }
    return static_cast<double>(record.correct) / static_cast<double>(record.problems) * 100.0;
}

ChartData chartData(const std::vector<ScoreRecord>& history) {
    ChartData data;
    const std::vector<QDate> dates = placedDates(history);
    std::array<ChartSeries, lastOperationKind + 1> byKind;
    for (std::size_t i = 0; i < history.size(); ++i) {
        const int kind = history[i].kind;
        if (!isOperationKind(kind)) {
            ++data.unknownKind;
            continue;
        }
        if (!scoreDate(history[i].date).isValid()) {
            ++data.undated;
        }
        byKind[static_cast<std::size_t>(kind)].points.push_back(
            {dates[i], scorePercent(history[i])});
    }
    for (int kind = firstOperationKind; kind <= lastOperationKind; ++kind) {
        ChartSeries& series = byKind[static_cast<std::size_t>(kind)];
        if (series.points.empty()) {
            continue;
        }
        series.kind = kind;
        std::stable_sort(series.points.begin(), series.points.end(),
                         [](const ChartPoint& a, const ChartPoint& b) { return a.date < b.date; });
        const QDate first = series.points.front().date;
        const QDate last = series.points.back().date;
        data.firstDate = data.firstDate.isValid() ? std::min(data.firstDate, first) : first;
        data.lastDate = data.lastDate.isValid() ? std::max(data.lastDate, last) : last;
        data.series.push_back(std::move(series));
    }
    return data;
}

QString seriesSummary(const ChartSeries& series) {
    const QString name = opText(series.kind);
    if (series.points.size() == 1) {
        //: the operation, then the percent correct of its one test
        return QCoreApplication::translate("ChartSeries", "%1: 1 test, %2 percent")
            .arg(name, percent(series.points[0].percent));
    }
    const auto [lowest, highest] = std::minmax_element(
        series.points.begin(), series.points.end(),
        [](const ChartPoint& a, const ChartPoint& b) { return a.percent < b.percent; });
    const auto tests = static_cast<int>(series.points.size()); // a cast lupdate would not read
    //: the operation, its number of tests, the lowest, the highest and the latest percent
    return QCoreApplication::translate(
               "ChartSeries", "%1: %n tests, from %2 to %3 percent, latest %4", nullptr, tests)
        .arg(name, percent(lowest->percent), percent(highest->percent),
             percent(series.points.back().percent));
}

QString chartDescription(const ChartData& data) {
    if (data.empty()) {
        return noResultsSentence();
    }
    // Each sentence whole, with its full stop; one test or result has a sentence of its own,
    // as English shows the source text of a counted one for every count.
    QStringList sentences{
        QCoreApplication::translate("ChartSeries", "Percent correct of each test over time.")};
    for (const ChartSeries& series : data.series) {
        //: one sentence of the chart's description
        sentences << QCoreApplication::translate("ChartSeries", "%1.").arg(seriesSummary(series));
    }
    if (data.undated == 1) {
        sentences << QCoreApplication::translate(
            "ChartSeries", "1 test without a date, drawn on the day of the test before.");
    } else if (data.undated > 1) {
        sentences << QCoreApplication::translate(
            "ChartSeries", "%n tests without a date, drawn on the day of the test before.", nullptr,
            data.undated);
    }
    if (data.unknownKind == 1) {
        sentences << QCoreApplication::translate("ChartSeries",
                                                 "1 result of an unknown kind not drawn.");
    } else if (data.unknownKind > 1) {
        sentences << QCoreApplication::translate(
            "ChartSeries", "%n results of an unknown kind not drawn.", nullptr, data.unknownKind);
    }
    return sentences.join(" ");
}
