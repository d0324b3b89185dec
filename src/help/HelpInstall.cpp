// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpInstall.h"

#include "common/FileRead.h"
#include "common/FileWrite.h"
#include "help/HelpFile.h"

#include <QCryptographicHash>

namespace fs = std::filesystem;

// Others may be able to write to the data folder, so every entry there is read as a data file
// (a link is refused, a FIFO or device never blocks, the size is capped) and written only by
// replacing the entry itself: a link, FIFO, device or folder in place of the help file or its
// note is left as it is, and nothing is ever written where a link points.

namespace {

constexpr std::int64_t noteBytes = 2 * 32 + 1; // a SHA-256 in hex and a line end

fs::path notePathOf(const fs::path& helpPath) {
    fs::path note = helpPath;
    note += ".copied";
    return note;
}

QByteArray hashOf(const std::vector<unsigned char>& bytes) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return hash.result().toHex();
}

// The hash the note holds, or an empty text when there is no readable note.
QByteArray noteOf(const fs::path& helpPath) {
    const ReadOutcome note = readDataFile(notePathOf(helpPath), noteBytes);
    if (note.status != ReadStatus::Loaded) {
        return {};
    }
    return QByteArray(reinterpret_cast<const char*>(note.bytes.data()),
                      static_cast<qsizetype>(note.bytes.size()))
        .trimmed();
}

void noteCopy(const fs::path& helpPath, const QByteArray& hash) {
    if (noteOf(helpPath) != hash) {
        writeFileAtomically(notePathOf(helpPath), hash + '\n');
    }
}

// Whether the data folder's help file may be replaced by the installed one (hash
// installedHash). A help file that is the program's own and up to date gets its note.
bool mayReplace(const fs::path& helpPath, const QByteArray& installedHash) {
    switch (entryKind(helpPath)) {
    case EntryKind::Missing:
        return true;
    case EntryKind::File:
        break;
    case EntryKind::Link:
    case EntryKind::Other:
        return false;
    }
    const ReadOutcome current = readDataFile(helpPath, HelpFile::maxFileBytes);
    if (current.status != ReadStatus::Loaded) {
        return false; // unreadable, too large, or swapped for something else meanwhile
    }
    const QByteArray currentHash = hashOf(current.bytes);
    if (currentHash == installedHash) {
        noteCopy(helpPath, installedHash); // up to date, and known as the program's own
        return false;
    }
    return currentHash == noteOf(helpPath); // else a grown-up's own help file
}

} // namespace

bool installHelpFile(const fs::path& helpPath, const fs::path& installedCopy) {
    const ReadOutcome source = readWholeFile(installedCopy, HelpFile::maxFileBytes);
    if (source.status != ReadStatus::Loaded) {
        return false;
    }
    const QByteArray installedHash = hashOf(source.bytes);
    if (!mayReplace(helpPath, installedHash)) {
        return false;
    }
    // The help file first, then the note: a crash between the two leaves a copy identical to
    // the installed file, which the next start still knows as the program's own.
    std::error_code error;
    fs::create_directories(helpPath.parent_path(), error);
    if (!writeFileAtomically(helpPath, source.bytes)) {
        return false;
    }
    noteCopy(helpPath, installedHash);
    return true;
}
