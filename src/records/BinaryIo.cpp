// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/BinaryIo.h"

#include "common/FileRead.h"

#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

void putLe16(unsigned char* out, std::uint16_t value) {
    out[0] = static_cast<unsigned char>(value & 0xFF);
    out[1] = static_cast<unsigned char>(value >> 8);
}

std::uint16_t getLe16(const unsigned char* in) {
    return static_cast<std::uint16_t>(in[0] | (in[1] << 8));
}

void appendLe32(std::vector<unsigned char>& out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>((bits >> shift) & 0xFF));
    }
}

std::int32_t ByteReader::readLe32Or(std::int32_t fallback) {
    if (offset_ + 4 > bytes_.size()) {
        offset_ = bytes_.size();
        return fallback;
    }
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(bytes_[offset_ + i]) << (8 * i);
    }
    offset_ += 4;
    return static_cast<std::int32_t>(bits);
}

namespace {
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
} // namespace

WriteOutcome writeFileAtomically(const fs::path& target, const std::vector<unsigned char>& bytes) {
    // QSaveFile writes beside what a link leads to: a link to a device would be replaced.
    const QFileInfo existing(pathText(target));
    if (existing.exists() && !existing.isFile()) {
        return WriteOutcome{false, QStringLiteral("it is not a file")};
    }
    QSaveFile file(pathText(target));
    // Unbuffered, so a full disk shows in write() itself: Qt 6.4's commit() renames the
    // temporary file over the target even when its buffered flush failed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return WriteOutcome{false, file.errorString()};
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.flush()) {
        const QString reason = file.error() == QFileDevice::NoError
                                   ? QStringLiteral("the disk is full or failing")
                                   : file.errorString();
        file.cancelWriting();
        file.commit();
        return WriteOutcome{false, reason};
    }
    // commit() flushes the temporary file to the disk, checks its close and renames it.
    if (!file.commit()) {
        return WriteOutcome{false, file.errorString()};
    }
    syncFolder(target.parent_path().empty() ? fs::path(".") : target.parent_path());
    return WriteOutcome{true, {}};
}
