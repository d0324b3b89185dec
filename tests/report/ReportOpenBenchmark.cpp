// Measures how long the report takes to open and to refill over a full history of 1000
// results. Prints the times; run with QT_QPA_PLATFORM=offscreen or on a desktop.
#include "report/ProgressReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
StudentRecord fullHistory() {
    StudentRecord student;
    for (int i = 0; i < 1000; ++i) {
        ScoreRecord record;
        record.date = static_cast<std::uint16_t>(13423 + i % 28);
        record.kind = static_cast<std::uint8_t>(1 + i % 7);
        record.problems = 70;
        record.correct = static_cast<std::int16_t>(i % 71);
        student.history.push_back(record);
    }
    return student;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const StudentRecord student = fullHistory();
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
    std::printf("open with 1000 rows: median %.1f ms, first %.1f ms\n", median(openMs), openMs[0]);
    std::printf("refill 1000 rows: median %.1f ms\n", median(refillMs));
    return 0;
}
