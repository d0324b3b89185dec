// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the answer log of a child with 100,000 recorded answers (multiplication facts
// 0-12 x 0-12): reading it and building the fluency grid (target 30 ms), and appending one
// answer with its flush to the disk (target median 5 ms). Prints the figures.
#include "practice/Fluency.h"
#include "records/AnswerLog.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <filesystem>
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
} // namespace

int main() {
    QTemporaryDir folder;
    const std::filesystem::path path =
        std::filesystem::path(folder.path().toStdU16String()) / "Bob.sbk.answers";
    AnswerLogContents log;
    log.logId = 1;
    std::mt19937 random(1);
    for (int i = 0; i < 100000; ++i) {
        log.answers.push_back({3, static_cast<int>(random() % 13), static_cast<int>(random() % 13),
                               random() % 5 != 0, false,
                               static_cast<std::uint32_t>(random() % 8000), 0x5A21});
    }
    if (!writeFileAtomically(path, answerLogBytes(log))) {
        std::printf("the log could not be written\n");
        return 1;
    }

    std::vector<double> reads;
    for (int round = 0; round < 21; ++round) {
        QElapsedTimer clock;
        clock.start();
        const AnswerLogRead read = readAnswerLog(path);
        const FluencyGrid grid = fluencyGrid(read.contents, 3, 0, 12, 0, 12, answerLimitMs(0));
        reads.push_back(msSince(clock));
        if (round == 0) {
            std::printf("%zu answers (%.1f MB): %s\n", read.contents.answers.size(),
                        static_cast<double>(read.wholeBytes) / 1e6,
                        knownCountText(grid).toUtf8().constData());
        }
    }
    std::printf("read and grid: median %.2f ms, slowest %.2f ms (target 30 ms)\n", median(reads),
                *std::max_element(reads.begin(), reads.end()));

    QString reason;
    auto writer = AnswerLogWriter::open(path, reason);
    if (!writer) {
        std::printf("the log could not be opened: %s\n", reason.toUtf8().constData());
        return 1;
    }
    std::vector<double> appends;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (!writer->append({3, i % 13, 7, true, false, 1200, 0x5A21})) {
            std::printf("an answer could not be appended\n");
            return 1;
        }
        appends.push_back(msSince(clock));
    }
    std::printf("append with flush: median %.3f ms, slowest %.3f ms (target median 5 ms)\n",
                median(appends), *std::max_element(appends.begin(), appends.end()));
    return 0;
}
