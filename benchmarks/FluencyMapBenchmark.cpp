// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the fluency map of a child with 100,000 logged answers spread over the four
// operations (0-12 by 0-12): building its four grids (target 30 ms) and opening the window.
// Prints the figures; run with QT_QPA_PLATFORM=offscreen or on a desktop.
#include "report/FluencyMap.h"
#include "report/FluencyMapWindow.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {
double msSince(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

AnswerLogContents hundredThousandAnswers() {
    AnswerLogContents log;
    std::mt19937 random(1);
    for (int i = 0; i < 100000; ++i) {
        const int operation = 1 + static_cast<int>(random() % 4);
        const int a = static_cast<int>(random() % 13);
        const int b =
            operation == 4 ? 1 + static_cast<int>(random() % 12) : static_cast<int>(random() % 13);
        const Problem fact = gridFact(operation, a, b);
        log.answers.push_back({operation, fact.first, fact.second, random() % 5 != 0, false,
                               static_cast<std::uint32_t>(random() % 8000), 0x5A21});
    }
    return log;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    StudentRecord student;
    student.studentName = "Bob";
    student.addSubHigh = 12;
    student.mulDivHigh = 12;
    const AnswerLogContents log = hundredThousandAnswers();

    std::vector<double> grids;
    for (int round = 0; round < 21; ++round) {
        QElapsedTimer clock;
        clock.start();
        const auto built = fluencyMapGrids(student, log, childAnswerLimitMs(log));
        grids.push_back(msSince(clock));
        if (round == 0) {
            std::printf("Mult: %s\n", knownCountText(built[2]).toUtf8().constData());
        }
    }
    std::printf("four grids from 100,000 answers: median %.2f ms, slowest %.2f ms "
                "(target 30 ms)\n",
                median(grids), *std::max_element(grids.begin(), grids.end()));

    std::vector<double> opens;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer clock;
        clock.start();
        FluencyMapWindow window(student, log, nullptr);
        window.show();
        QApplication::processEvents();
        opens.push_back(msSince(clock));
    }
    std::printf("window open and shown: median %.2f ms\n", median(opens));
    return 0;
}
