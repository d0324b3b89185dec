// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/ChildFile.h"

#include "records/ResultArchive.h"
#include "records/StudentFile.h"
#include "records/StudentFolder.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {
const std::size_t extensionLength = std::strlen(studentFileExtension);

// The bytes of a file name as they are on the disk (no conversion on POSIX systems).
std::string nameBytes(const fs::path& path) {
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

bool hasChildExtension(const std::string& name) {
    return name.size() >= extensionLength &&
           QString::fromLatin1(name.substr(name.size() - extensionLength))
                   .compare(QLatin1String(studentFileExtension), Qt::CaseInsensitive) == 0;
}

// The file name without its ".sbk": the child's name as the program stores it.
std::string stemBytes(const fs::path& path) {
    const std::string name = nameBytes(path);
    return name.substr(0, name.size() - std::min(name.size(), extensionLength));
}

QString childName(const fs::path& path) {
    return displayName(stemBytes(path));
}
} // namespace

std::vector<fs::path> childFilePaths(const fs::path& folder) {
    // Every entry is listed, a folder or a link too: it is shown with what is wrong with it.
    std::vector<std::pair<QString, fs::path>> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (hasChildExtension(nameBytes(it->path()))) {
            found.emplace_back(childName(it->path()).toCaseFolded(), it->path());
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<fs::path> paths;
    for (auto& [key, path] : found) {
        paths.push_back(std::move(path));
    }
    return paths;
}

ChildFile readChildFile(const fs::path& path) {
    ChildFile child;
    child.path = path;
    child.name = childName(path);
    const ReadOutcome read = readWholeFile(path, maxStudentFileBytes);
    if (read.status != ReadStatus::Loaded) {
        child.state = ChildFileState::Unreadable;
        child.problem = read.status == ReadStatus::Missing
                            ? QCoreApplication::translate("ChildFile", "the file is missing")
                        : read.status == ReadStatus::NotAFile
                            ? QCoreApplication::translate("ChildFile", "not a regular file")
                            : read.reason;
        return child;
    }
    child.state = ChildFileState::Read;
    StudentRecord record;
    readStudentBytes(record, read.bytes); // the defaults too for a file with nothing in it
    child.settings = record;
    child.settings.history.clear();
    child.settings.studentName = stemBytes(path);
    child.settings.path = path;
    if (read.bytes.empty()) {
        return child; // a child who was greeted but has no results yet
    }
    child.problem = studentFileDamage(read.bytes, record.history.size());
    if (isDamagedStudentFile(read.bytes)) {
        record.history = recoverScoreRecords(read.bytes); // what is still whole behind it
    }
    if (!child.problem.isEmpty()) {
        child.state = ChildFileState::Damaged;
    }
    // The oldest results of a long history stand in the archive beside the file.
    child.history = readArchive(path).records;
    child.history.insert(child.history.end(), record.history.begin(), record.history.end());
    return child;
}
