// Measures how long the class overview takes to open a folder of 1000 children with 1000
// results each (reading the files and computing the rows alone, then with the table filled
// and shown), and how long one child's chart of 1000 results takes to draw. Prints the
// times; run with QT_QPA_PLATFORM=offscreen or on a desktop.
#include "OverviewTestFolder.h"
#include "overview/OverviewWindow.h"
#include "report/ChartPainter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TempFolder folder;
    for (int child = 0; child < 1000; ++child) {
        std::vector<ScoreRecord> history;
        for (int i = 0; i < 1000; ++i) {
            history.push_back(testScore(static_cast<std::uint16_t>(inMarch(1) + i % 28),
                                        1 + (i + child) % 7, 20, (i * 7 + child) % 21));
        }
        writeBytes(folder.path() / ("child" + std::to_string(child) + ".sbk"), childBytes(history));
    }
    std::vector<double> times;
    std::vector<double> readTimes;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        (void)readOverview(qPath(folder.path()));
        readTimes.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        clock.restart();
        OverviewWindow window(qPath(folder.path()));
        window.show();
        QApplication::processEvents();
        window.repaint();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (window.table()->model()->rowCount() != 1000) {
            std::printf("expected 1000 rows, got %d\n", window.table()->model()->rowCount());
            return 1;
        }
    }
    const double first = times[0];
    std::sort(times.begin(), times.end());
    std::sort(readTimes.begin(), readTimes.end());
    std::printf("read 1000 children x 1000 results and compute rows: median %.1f ms\n",
                readTimes[2]);
    std::printf("open 1000 children x 1000 results: median %.1f ms, first %.1f ms\n", times[2],
                first);

    const ChartData chart = chartData(readChildFile(qPath(folder.path() / "child0.sbk")).history);
    std::vector<double> drawTimes;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        (void)chartImage(chart, QSize(720, 480));
        drawTimes.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(drawTimes.begin(), drawTimes.end());
    std::printf("draw a chart of 1000 results at 720 x 480: median %.1f ms\n", drawTimes[2]);
    return 0;
}
