// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartSeries.h"
#include "ReportTestData.h"

#include <gtest/gtest.h>

namespace {
constexpr std::uint16_t packed(int year, int month, int day) {
    return static_cast<std::uint16_t>((year - 1980) * 512 + month * 32 + day);
}

QDate day(int d) {
    return QDate(2026, 3, d);
}
} // namespace

TEST(ChartSeries, SeriesPerKindInDateOrder) {
    const struct {
        const char* what;
        std::vector<ScoreRecord> history;
        std::vector<ChartSeries> series;
    } cases[] = {
        {"kinds in kind order, unknown kinds left out, 0 problems give 0; the span covers all",
         {score(packed(2026, 3, 2), 7, 10, 5), score(packed(2026, 3, 2), 1, 4, 1),
          score(packed(2026, 3, 3), 0, 10, 10), score(packed(2026, 3, 3), 9, 10, 10),
          score(packed(2026, 3, 4), 1, 0, 0), score(packed(2026, 3, 1), 7, 1, 0)},
         {ChartSeries{1, {{day(2), 25.0}, {day(4), 0.0}}},
          ChartSeries{7, {{day(1), 0.0}, {day(2), 50.0}}}}},
        {"sorted by date; one day keeps the order of adding",
         {score(packed(2026, 3, 9), 3, 10, 9), score(packed(2026, 3, 1), 3, 10, 3),
          score(packed(2026, 3, 9), 3, 10, 4)},
         {ChartSeries{3, {{day(1), 30.0}, {day(9), 90.0}, {day(9), 40.0}}}}},
        {"undated: the day of the result before, or the first dated after",
         {score(0, 2, 10, 1), score(packed(2026, 3, 5), 2, 10, 2), score(0, 2, 10, 3),
          score(packed(2026, 3, 7), 2, 10, 4)},
         {ChartSeries{2, {{day(5), 10.0}, {day(5), 20.0}, {day(5), 30.0}, {day(7), 40.0}}}}},
        {"nothing dated: 1980-01-01",
         {score(0, 5, 3, 2)},
         {ChartSeries{5, {{QDate(1980, 1, 1), 2.0 / 3.0 * 100.0}}}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chartData(c.history).series, c.series) << c.what;
    }
    const ChartData all = chartData(cases[0].history); // the span covers every kind
    EXPECT_EQ(std::pair(all.firstDate, all.lastDate), std::pair(day(1), day(4)));
    const ChartData undated = chartData(cases[3].history);
    EXPECT_EQ(std::pair(undated.firstDate, undated.lastDate),
              std::pair(QDate(1980, 1, 1), QDate(1980, 1, 1)));
}

TEST(ChartSeries, DescriptionSumsUpEachSeriesInWords) {
    const struct {
        std::vector<ScoreRecord> history;
        QString description;
    } cases[] = {
        {{}, "There are no test results to show yet."},
        {{score(packed(2026, 3, 1), 4, 20, 18)},
         "Percent correct of each test over time. Div: 1 test, 90.00 percent."},
        {{score(packed(2026, 3, 1), 3, 20, 9), score(packed(2026, 3, 2), 3, 20, 18),
          score(packed(2026, 3, 3), 3, 20, 16), score(packed(2026, 3, 3), 1, 3, 2),
          score(0, 1, 3, 3), score(0, 0, 1, 1)},
         "Percent correct of each test over time. "
         "Add: 2 tests, from 66.67 to 100.00 percent, latest 100.00. "
         "Mult: 3 tests, from 45.00 to 90.00 percent, latest 80.00. "
         "1 test without a date, drawn on the day of the test before. "
         "1 result of an unknown kind not drawn."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chartDescription(chartData(c.history)).toStdString(),
                  c.description.toStdString());
    }
}
