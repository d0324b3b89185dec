// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the class overview of 1000 children who each practised a year: 100 answers a day
// over the four operations of 1 to 12, the log compacted as a run holding the lock does when
// it opens a child whose log has grown past compactAnswerCount, so that each log stands on the
// disk as it would (between about 5,000 and 20,000 answers, the children at different points
// of that cycle). Prints the time until the window shows and until its known columns are all
// in (the median of three runs, with the files in the disk cache). Run with
// QT_QPA_PLATFORM=offscreen or on a desktop.
#include "OverviewTestFolder.h"
#include "overview/OverviewWindow.h"
#include "practice/Fluency.h"
#include "records/AnswerLog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>

namespace {
constexpr int children = 1000;
constexpr int distinctYears = 20; // each written for 50 children
constexpr int answersPerDay = 100;

// A child's log after a year, begun `startDay` days into the compaction cycle.
AnswerLogContents yearOfAnswers(unsigned seed, int startDay) {
    std::mt19937 random(seed);
    AnswerLogContents log;
    log.logId = seed;
    log.limits.push_back({LimitSource::TypingTime, 900, inMarch(1)});
    for (int day = -startDay; day < 365; ++day) {
        if (log.answers.size() > compactAnswerCount) {
            log = compactAnswers(log, answersKeptPerFact);
        }
        const auto date = static_cast<std::uint16_t>(inMarch(1) + std::max(day, 0));
        for (int i = 0; i < answersPerDay; ++i) {
            const int operation = 1 + static_cast<int>(random() % 4);
            const int a = 1 + static_cast<int>(random() % 12);
            const int b = 1 + static_cast<int>(random() % 12);
            const Problem fact = gridFact(operation, a, b);
            log.answers.push_back({operation, fact.first, fact.second, random() % 7 != 0, false,
                                   600 + static_cast<std::uint32_t>(random() % 6000), date});
        }
    }
    return log;
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double msSince(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TempFolder folder;
    std::vector<std::vector<unsigned char>> logs;
    std::size_t answers = 0;
    for (int year = 0; year < distinctYears; ++year) {
        const AnswerLogContents log = yearOfAnswers(static_cast<unsigned>(year + 1), year * 7);
        answers += log.answers.size();
        logs.push_back(answerLogBytes(log));
    }
    double megabytes = 0;
    for (int child = 0; child < children; ++child) {
        const std::string name = "child" + std::to_string(child) + ".sbk";
        writeBytes(folder.path() / name, childBytes({score(inMarch(1), 3, 20, 18)}));
        const auto& bytes = logs[static_cast<std::size_t>(child % distinctYears)];
        writeBytes(folder.path() / (name + ".answers"), bytes);
        megabytes += static_cast<double>(bytes.size()) / 1e6;
    }
    std::printf("%d children, %zu answers a log on average, %.0f MB of logs\n", children,
                answers / distinctYears, megabytes);

    std::vector<double> shown, filled, oneByOne;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer clock;
        clock.start();
        {
            OverviewWindow window(qPath(folder.path()));
            window.show();
            QApplication::processEvents();
            window.repaint();
            shown.push_back(msSince(clock));
            window.waitForKnownFacts();
            filled.push_back(msSince(clock));
        }
        clock.restart();
        std::vector<OverviewRow> rows = readOverview(folder.path());
        countKnownFacts(rows, folder.path());
        oneByOne.push_back(msSince(clock));
    }
    std::printf("window shown: median %.0f ms (target under 1000 ms)\n", median(shown));
    std::printf("every known column filled, logs read on %d threads: median %.0f ms\n",
                std::max(4, QThread::idealThreadCount()), median(filled));
    std::printf("rows and known facts read one child after another: median %.0f ms\n",
                median(oneByOne));
    return 0;
}
