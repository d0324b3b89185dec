// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/ChildAnswers.h"

#include <QCoreApplication>

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace {
const std::string logSuffix = ".answers";

std::string nameBytes(const fs::path& path) {
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

bool isAsciiWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool isNumber(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "<computer>-<pid>-<start>" as a run names its side log: anything else is not one (another
// child's log such as "Bob.sbk.x.sbk.answers" holds a dot there).
bool isRunName(const std::string& middle) {
    const std::size_t first = middle.find('-');
    const std::size_t second = first == std::string::npos ? first : middle.find('-', first + 1);
    if (first == 0 || second == std::string::npos) {
        return false;
    }
    const std::string computer = middle.substr(0, first);
    return std::all_of(computer.begin(), computer.end(), isAsciiWordChar) &&
           isNumber(middle.substr(first + 1, second - first - 1)) &&
           isNumber(middle.substr(second + 1));
}

QString logProblem(const fs::path& log, const AnswerLogRead& read) {
    const QString why = read.reason.isEmpty()
                            ? QCoreApplication::translate("ChildAnswers", "it cannot be read")
                            : read.reason;
    return QCoreApplication::translate("ChildAnswers", "The answer log %1 cannot be read whole: %2")
        .arg(QString::fromStdU16String(log.filename().u16string()), why);
}

void addLog(ChildAnswers& into, const AnswerLogContents& side) {
    AnswerLogContents& log = into.log;
    log.folded.push_back(side.logId);
    log.summaries.insert(log.summaries.end(), side.summaries.begin(), side.summaries.end());
    log.answers.insert(log.answers.end(), side.answers.begin(), side.answers.end());
    log.limits.insert(log.limits.end(), side.limits.begin(), side.limits.end());
}

void noteProblem(ChildAnswers& into, const fs::path& path, const AnswerLogRead& read) {
    if (read.status != ReadStatus::Loaded && read.status != ReadStatus::Missing) {
        into.problem +=
            (into.problem.isEmpty() ? QString() : QStringLiteral("\n")) + logProblem(path, read);
    }
}
} // namespace

SideLogListing::SideLogListing(const fs::path& folder) : folder_(folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = nameBytes(it->path());
        if (name.ends_with(logSuffix)) {
            names_.push_back(std::move(name));
        }
    }
    std::sort(names_.begin(), names_.end());
}

std::vector<fs::path> SideLogListing::of(const fs::path& childFile) const {
    const std::string prefix = nameBytes(childFile) + ".";
    std::vector<fs::path> logs;
    for (auto it = std::lower_bound(names_.begin(), names_.end(), prefix);
         it != names_.end() && it->starts_with(prefix); ++it) {
        if (it->size() <= prefix.size() + logSuffix.size()) {
            continue; // the main log sorts here too
        }
        if (isRunName(it->substr(prefix.size(), it->size() - prefix.size() - logSuffix.size()))) {
            logs.push_back(folder_ / fs::path(std::u8string(it->begin(), it->end())));
        }
    }
    return logs;
}

ChildAnswers readChildAnswers(const fs::path& childFile, const std::vector<fs::path>& sideLogs) {
    ChildAnswers answers;
    const fs::path mainPath = answerLogPath(childFile, true, 0);
    AnswerLogRead main = readAnswerLog(mainPath);
    noteProblem(answers, mainPath, main);
    answers.log = std::move(main.contents);
    for (const fs::path& path : sideLogs) {
        AnswerLogRead side = readAnswerLog(path);
        noteProblem(answers, path, side);
        const auto& folded = answers.log.folded;
        // A log the lock holder folded in but had not yet removed is already in the main log.
        if (side.status != ReadStatus::Missing &&
            std::find(folded.begin(), folded.end(), side.contents.logId) == folded.end()) {
            addLog(answers, side.contents);
        }
    }
    return answers;
}
