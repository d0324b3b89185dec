// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileRead.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
ReadOutcome failed(ReadStatus status, const QString& reason) {
    return ReadOutcome{status, {}, reason};
}

ReadOutcome notAFile() {
    return failed(ReadStatus::NotAFile, entryReason(EntryKind::Other));
}

ReadOutcome aLink() {
    return failed(ReadStatus::NotAFile, entryReason(EntryKind::Link));
}

ReadOutcome tooLarge() {
    return failed(ReadStatus::TooLarge,
                  QCoreApplication::translate("FileRead", "it is far larger than it can be"));
}

#ifdef Q_OS_UNIX
QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Opened without blocking, so a FIFO without a writer or a device cannot hang the read; the
// type is then checked on the open descriptor, so nothing can be swapped in between.
ReadOutcome readDescriptor(int fd, std::int64_t maxBytes) {
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        return failed(ReadStatus::Unreadable, systemReason());
    }
    if (!S_ISREG(info.st_mode)) {
        return notAFile();
    }
    if (info.st_size > maxBytes) {
        return tooLarge();
    }
    ReadOutcome outcome{ReadStatus::Loaded, {}, {}};
    outcome.bytes.reserve(static_cast<std::size_t>(info.st_size)); // no doubling on the way
    unsigned char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return failed(ReadStatus::Unreadable, systemReason());
        }
        if (got == 0) {
            return outcome;
        }
        // The file may grow while it is read: the cap holds whatever the size said.
        if (static_cast<std::int64_t>(outcome.bytes.size()) + got > maxBytes) {
            return tooLarge();
        }
        outcome.bytes.insert(outcome.bytes.end(), buffer, buffer + got);
    }
}

ReadOutcome readFile(const std::filesystem::path& path, std::int64_t maxBytes, bool followLinks) {
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLinks ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        if (errno == ENOENT) {
            return failed(ReadStatus::Missing, entryReason(EntryKind::Missing));
        }
        if (errno == EISDIR) {
            return notAFile();
        }
        if (errno == ELOOP && !followLinks) {
            return aLink();
        }
        return failed(ReadStatus::Unreadable, systemReason());
    }
    ReadOutcome outcome = readDescriptor(fd, maxBytes);
    ::close(fd);
    return outcome;
}
#else
// Without POSIX descriptors: the type is checked first, then Qt reads at most the cap.
ReadOutcome readFile(const std::filesystem::path& path, std::int64_t maxBytes, bool followLinks) {
    const QFileInfo info(pathText(path));
    if (!followLinks && info.isSymLink()) {
        return aLink();
    }
    if (!info.exists()) {
        return failed(ReadStatus::Missing, entryReason(EntryKind::Missing));
    }
    if (!info.isFile()) {
        return notAFile();
    }
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return failed(ReadStatus::Unreadable, file.errorString());
    }
    const QByteArray data = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return failed(ReadStatus::Unreadable, file.errorString());
    }
    if (data.size() > maxBytes) {
        return tooLarge();
    }
    return ReadOutcome{ReadStatus::Loaded, {data.begin(), data.end()}, {}};
}
#endif
} // namespace

namespace {
ReadOutcome readGuarded(const std::filesystem::path& path, std::int64_t maxBytes,
                        bool followLinks) {
    try {
        return readFile(path, maxBytes, followLinks);
    } catch (const std::exception& error) { // out of memory, in the worst case
        return failed(ReadStatus::Unreadable, QString::fromLocal8Bit(error.what()));
    }
}
} // namespace

ReadOutcome readWholeFile(const std::filesystem::path& path, std::int64_t maxBytes) {
    return readGuarded(path, maxBytes, true);
}

ReadOutcome readDataFile(const std::filesystem::path& path, std::int64_t maxBytes) {
    return readGuarded(path, maxBytes, false);
}

EntryKind entryKind(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    switch (status.type()) {
    case std::filesystem::file_type::not_found:
        return EntryKind::Missing;
    case std::filesystem::file_type::regular:
        return EntryKind::File;
    case std::filesystem::file_type::symlink:
        return EntryKind::Link;
    default:
        break;
    }
    // An entry that cannot even be looked at is no plain file either.
    return EntryKind::Other;
}

QString entryReason(EntryKind kind) {
    switch (kind) {
    case EntryKind::Link:
        return QCoreApplication::translate("FileRead", "it is a link to another file");
    case EntryKind::Missing:
        return QCoreApplication::translate("FileRead", "it does not exist");
    case EntryKind::File:
        return {};
    case EntryKind::Other:
        break;
    }
    return QCoreApplication::translate("FileRead", "it is not a file");
}

QString pathText(const std::filesystem::path& path) {
#ifdef Q_OS_UNIX
    // From the bytes as Qt decodes file names: a name that is not valid UTF-8 (which u16string
    // would throw on) is shown readably and names the same entry in every Qt call of this run.
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#else
    return QString::fromStdU16String(path.u16string());
#endif
}
