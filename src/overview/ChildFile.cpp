#include "overview/ChildFile.h"

#include "records/StudentFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {
constexpr std::size_t magicBytes = sizeof studentFileMagic - 1;

// Enough for the header, the count and the most records a child file holds; the reader
// ignores anything after them, so longer files are read only that far.
constexpr qint64 readLimit =
    static_cast<qint64>(studentRecordsOffset + scoreRecordBytes * maxScoreRecords);

std::int32_t storedCount(const QByteArray& bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[studentCountOffset + i]);
    }
    return static_cast<std::int32_t>(value);
}

// What is wrong with the bytes of a file that has them; empty when nothing is.
QString damage(const QByteArray& bytes, std::size_t recordsRead) {
    const auto size = static_cast<std::size_t>(bytes.size());
    if (size < magicBytes || std::memcmp(bytes.constData(), studentFileMagic, magicBytes) != 0) {
        return "not a Tallyburrow child file";
    }
    if (size < studentHeaderBytes) {
        return "the file is cut short";
    }
    if (size >= studentRecordsOffset) {
        const std::int32_t count = storedCount(bytes);
        if (count > 0 && static_cast<std::size_t>(count) > recordsRead &&
            recordsRead < maxScoreRecords) {
            return QString("the file is cut short: %1 of %2 results could be read")
                .arg(recordsRead)
                .arg(count);
        }
    }
    return {};
}
} // namespace

QStringList childFilePaths(const QString& folder) {
    QDir dir(folder);
    const QStringList names =
        dir.entryList({QString("*") + studentFileExtension},
                      QDir::Files | QDir::System | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot,
                      QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    for (const QString& name : names) {
        paths << dir.filePath(name);
    }
    return paths;
}

ChildFile readChildFile(const QString& path) {
    ChildFile child;
    child.path = path;
    const QFileInfo info(path);
    child.name = info.fileName().chopped(static_cast<qsizetype>(std::strlen(studentFileExtension)));
    child.state = ChildFileState::Unreadable;
    if (!info.isFile()) {
        child.problem = info.exists() ? "not a regular file" : "the file is missing";
        return child;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        child.problem = file.errorString();
        return child;
    }
    const QByteArray bytes = file.read(readLimit);
    if (file.error() != QFileDevice::NoError) {
        child.problem = file.errorString();
        return child;
    }
    child.state = ChildFileState::Read;
    if (bytes.isEmpty()) {
        return child; // a child who was greeted but has no results yet
    }
    StudentRecord record;
    readStudentBytes(record, std::vector<unsigned char>(bytes.begin(), bytes.end()));
    child.history = std::move(record.history);
    child.problem = damage(bytes, child.history.size());
    if (!child.problem.isEmpty()) {
        child.state = ChildFileState::Damaged;
    }
    return child;
}
