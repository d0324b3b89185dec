// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ResultArchive.h"

#include "records/StudentFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace fs = std::filesystem;

fs::path archivePath(const fs::path& childFile) {
    fs::path path = childFile;
    path += ".archive";
    return path;
}

std::vector<unsigned char> archiveBytes(const std::vector<ScoreRecord>& records) {
    std::vector<unsigned char> bytes(archiveMagic, archiveMagic + archiveMagicBytes);
    for (const ScoreRecord& record : records) {
        const auto encoded = encodeScoreRecord(record);
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    return bytes;
}

ArchiveRead readArchive(const fs::path& childFile) {
    ArchiveRead read{readDataFile(archivePath(childFile), maxArchiveFileBytes), {}};
    if (read.outcome.status == ReadStatus::Missing) {
        read.outcome.reason.clear();
        return read;
    }
    if (read.outcome.status != ReadStatus::Loaded) {
        return read;
    }
    const auto& bytes = read.outcome.bytes;
    if (bytes.size() < archiveMagicBytes ||
        std::memcmp(bytes.data(), archiveMagic, archiveMagicBytes) != 0 ||
        (bytes.size() - archiveMagicBytes) % scoreRecordBytes != 0) {
        read.outcome.status = ReadStatus::Damaged;
        read.outcome.reason =
            QCoreApplication::translate("ResultArchive", "it is not a Tallyburrow archive");
        return read;
    }
    for (std::size_t at = archiveMagicBytes; at < bytes.size(); at += scoreRecordBytes) {
        read.records.push_back(decodeScoreRecord(bytes.data() + at));
    }
    return read;
}

WriteOutcome addToArchive(const fs::path& childFile, const std::vector<ScoreRecord>& oldest) {
    ArchiveRead archive = readArchive(childFile);
    if (archive.outcome.status != ReadStatus::Loaded &&
        archive.outcome.status != ReadStatus::Missing) {
        return WriteOutcome{
            false, QCoreApplication::translate("ResultArchive", "the archive %1 cannot be read: %2")
                       .arg(pathText(archivePath(childFile)), archive.outcome.reason)};
    }
    auto& records = archive.records;
    if (oldest.empty() ||
        (records.size() >= oldest.size() &&
         std::equal(oldest.begin(), oldest.end(), records.end() - oldest.size()))) {
        return WriteOutcome{true, {}};
    }
    records.insert(records.end(), oldest.begin(), oldest.end());
    return writeFileAtomically(archivePath(childFile), archiveBytes(records));
}
