// SPDX-License-Identifier: GPL-3.0-or-later
// Measures opening a help file of 8,000,000 empty topics (64 MB, the largest size read) and
// one of the largest topic count read, as the help window's F1 does. Prints the times, the
// outcome and the peak memory of the process.
#include "help/HelpFile.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include <sys/resource.h>

namespace {

// The topic count, then for each topic an empty text, an empty title and level 0: all zeros.
void writeEmptyTopics(const std::filesystem::path& path, std::uint32_t count) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const char head[] = {static_cast<char>(count), static_cast<char>(count >> 8),
                         static_cast<char>(count >> 16), static_cast<char>(count >> 24)};
    out.write(head, sizeof head);
    const std::vector<char> zeros(65536, 0);
    for (std::uint64_t left = std::uint64_t{count} * 8; left > 0;) {
        const auto chunk =
            static_cast<std::streamsize>(std::min<std::uint64_t>(left, zeros.size()));
        out.write(zeros.data(), chunk);
        left -= static_cast<std::uint64_t>(chunk);
    }
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void measure(const std::filesystem::path& path, std::uint32_t count) {
    writeEmptyTopics(path, count);
    QElapsedTimer clock;
    clock.start();
    const HelpLoadResult loaded = HelpFile::load(path);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    std::printf("%u empty topics (%.1f MB): %.1f ms, %zu topics, %s, peak memory %.1f MB\n", count,
                (4.0 + 8.0 * count) / 1e6, ms, loaded.topics.size(),
                loaded.notice ? loaded.notice->text.c_str() : "opened",
                static_cast<double>(peakKilobytes()) / 1024.0);
}

} // namespace

int main() {
    QTemporaryDir folder;
    const std::filesystem::path path =
        std::filesystem::path(folder.path().toStdU16String()) / "tallyburrow.ahp";
    std::printf("peak memory before: %.1f MB\n", static_cast<double>(peakKilobytes()) / 1024.0);
    measure(path, static_cast<std::uint32_t>(HelpFile::maxTopics));
    measure(path, 8000000);
    return 0;
}
