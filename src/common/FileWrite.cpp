// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileWrite.h"

#include "common/FileRead.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

// QSaveFile is not used: it resolves a symbolic link at the target and writes beside what the
// link leads to, which in a folder others can write would let them point a child's file at
// anyone's file. A temporary file of our own renamed over the target replaces the entry
// itself and never follows a link.

namespace {
WriteOutcome failed(const QString& reason) {
    return WriteOutcome{false, reason};
}

fs::path folderOf(const fs::path& target) {
    return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

// The rename is only durable once the folder holding the new name is on the disk too.
void syncFolder(const fs::path& folder) {
#ifdef Q_OS_UNIX
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    (void)folder;
#endif
}

bool syncFile(int handle) {
#ifdef Q_OS_UNIX
    return ::fsync(handle) == 0;
#else
    (void)handle;
    return true;
#endif
}

// A target that may be replaced: nothing there yet, or a regular file (not a link).
WriteOutcome checkTarget(const fs::path& target) {
    const EntryKind kind = entryKind(target);
    if (kind == EntryKind::Missing || kind == EntryKind::File) {
        return WriteOutcome{true, {}};
    }
    return failed(entryReason(kind));
}

QString diskReason(const QFileDevice& file) {
    return file.error() == QFileDevice::NoError
               ? QCoreApplication::translate("FileWrite", "the disk is full or failing")
               : file.errorString();
}

// The new file gets the permissions of the file it replaces (a class folder shared by several
// accounts keeps its group rights), or a new file's usual ones; a temporary file is made
// readable by its owner alone.
void givePermissions(int handle, const fs::path& target) {
#ifdef Q_OS_UNIX
    struct stat info {};
    mode_t mode = 0;
    if (::lstat(target.c_str(), &info) == 0) {
        mode = info.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(handle, mode);
#else
    (void)handle;
    (void)target;
#endif
}

// Renames the finished file over the target: the entry is replaced, a link never followed.
WriteOutcome renameOver(const fs::path& finished, const fs::path& target) {
    std::error_code error;
    fs::rename(finished, target, error);
    if (error) {
        fs::remove(finished, error);
        return failed(QString::fromLocal8Bit(error.message().c_str()));
    }
    syncFolder(folderOf(target));
    return WriteOutcome{true, {}};
}

WriteOutcome writeBytes(const fs::path& target, const char* data, qint64 size) {
    if (WriteOutcome allowed = checkTarget(target); !allowed) {
        return allowed;
    }
    QTemporaryFile file(pathText(target) + QStringLiteral(".XXXXXX"));
    if (!file.open()) { // created exclusively, so nothing else can be there
        return failed(file.errorString());
    }
    givePermissions(file.handle(), target);
    // The flush is checked on its own: a full disk may show only there.
    if (file.write(data, size) != size || !file.flush() || !syncFile(file.handle())) {
        return failed(diskReason(file));
    }
    file.close();
    file.setAutoRemove(false); // from here renameOver removes it when it fails
    return renameOver(fs::path(file.fileName().toStdU16String()), target);
}
} // namespace

WriteOutcome writeFileAtomically(const fs::path& target, const QByteArray& bytes) {
    return writeBytes(target, bytes.constData(), bytes.size());
}

WriteOutcome writeFileAtomically(const fs::path& target, const std::vector<unsigned char>& bytes) {
    return writeBytes(target, reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qint64>(bytes.size()));
}

WriteOutcome replaceFileAtomically(const fs::path& finished, const fs::path& target) {
    WriteOutcome outcome = checkTarget(target);
    QFile file(pathText(finished));
    if (outcome && !file.open(QIODevice::ReadWrite)) {
        outcome = failed(file.errorString());
    }
    if (outcome) {
        givePermissions(file.handle(), target);
    }
    if (outcome && !syncFile(file.handle())) {
        outcome = failed(diskReason(file));
    }
    file.close();
    if (!outcome) {
        std::error_code ignored;
        fs::remove(finished, ignored);
        return outcome;
    }
    return renameOver(finished, target);
}

WriteOutcome checkFolderWritable(const fs::path& folder) {
    QTemporaryFile probe(pathText(folder / "tallyburrow-probe.XXXXXX"));
    if (!probe.open()) {
        return failed(probe.errorString());
    }
    return WriteOutcome{true, {}};
}

bool createEmptyFile(const fs::path& path) {
#ifdef Q_OS_UNIX
    // By the name's bytes: a name that is not valid in the system's encoding stays itself.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    return fd >= 0 && ::close(fd) == 0;
#else
    QFile file(pathText(path));
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
#endif
}
