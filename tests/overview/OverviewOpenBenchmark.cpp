// Measures how long the class overview takes to open a folder of 1000 children with 1000
// results each: reading the files, computing the rows and filling the table. Prints the
// times; run with QT_QPA_PLATFORM=offscreen or on a desktop.
#include "OverviewTestFolder.h"
#include "overview/OverviewWindow.h"

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
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
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
    std::printf("open 1000 children x 1000 results: median %.1f ms, first %.1f ms\n", times[2],
                first);
    return 0;
}
