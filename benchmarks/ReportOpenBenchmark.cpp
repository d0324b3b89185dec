// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long the report takes to open and to refill over a full history of 1000
// results. Prints the times; run with QT_QPA_PLATFORM=offscreen or on a desktop.
#include "ReportTestData.h"
#include "report/ProgressReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    StudentRecord student;
    for (int i = 0; i < 1000; ++i) {
        student.history.push_back(
            score(static_cast<std::uint16_t>(13423 + i % 28), 1 + i % 7, 70, i % 71));
    }
    std::vector<double> openMs;
    std::vector<double> refillMs;
    for (int run = 0; run < 15; ++run) {
        QElapsedTimer clock;
        clock.start();
        ProgressReportWindow window(student, nullptr);
        window.show();
        QApplication::processEvents();
        window.repaint();
        openMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        clock.restart();
        window.fillReport(ReportMode::CorrectOfTotal);
        window.scoreList()->viewport()->repaint();
        refillMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    const double firstOpen = openMs[0];
    std::sort(openMs.begin(), openMs.end());
    std::sort(refillMs.begin(), refillMs.end());
    std::printf("open with 1000 rows: median %.1f ms, first %.1f ms\n", openMs[7], firstOpen);
    std::printf("refill 1000 rows: median %.1f ms\n", refillMs[7]);
    return 0;
}
