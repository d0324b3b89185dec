// SPDX-License-Identifier: GPL-3.0-or-later
// Measures opening a folder of 1000 children with 1000 results each (reading and computing
// the rows alone, then with the table filled and shown) and drawing one 1000-result chart.
// Prints the median of five runs; run with QT_QPA_PLATFORM=offscreen or on a desktop.
#include "OverviewTestFolder.h"
#include "overview/OverviewWindow.h"
#include "report/ChartPainter.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
void measure(const char* what, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer clock;
        clock.start();
        run();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.1f ms (%.1f to %.1f)\n", what, times[2], times[0], times[4]);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TempFolder folder;
    for (int child = 0; child < 1000; ++child) {
        std::vector<ScoreRecord> history;
        for (int i = 0; i < 1000; ++i) {
            history.push_back(score(static_cast<std::uint16_t>(inMarch(1) + i % 28),
                                    1 + (i + child) % 7, 20, (i * 7 + child) % 21));
        }
        writeBytes(folder.path() / ("child" + std::to_string(child) + ".sbk"), childBytes(history));
    }
    const QString path = qPath(folder.path());
    measure("read 1000 children x 1000 results, rows computed",
            [&]() { (void)readOverview(folder.path()); });
    measure("open the overview of them (read, rows, table filled and shown)", [&]() {
        OverviewWindow window(path);
        window.show();
        QApplication::processEvents();
        window.repaint();
    });
    const ChartData chart = chartData(readChildFile(folder.path() / "child0.sbk").history);
    measure("draw a chart of 1000 results, 720 x 480", [&]() {
        (void)chartImage(chart, {720, 480});
    });
    return 0;
}
