// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentFile.h"

#include "common/OperationKind.h"
#include "records/ResultArchive.h"
#include "records/StudentFolder.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace fs = std::filesystem;

namespace {
constexpr std::size_t magicBytes = 11;

bool hasMagic(const std::vector<unsigned char>& bytes) {
    return bytes.size() >= magicBytes &&
           std::memcmp(bytes.data(), studentFileMagic, magicBytes) == 0;
}

void applyDefaults(StudentRecord& student) {
    noteValuesAsLoaded(student);
    for (std::int32_t* value :
         {&student.addSubHigh, &student.mulDivHigh, &student.addSubPerMin, &student.mulDivPerMin}) {
        if (*value == 0) {
            *value = defaultStoredValue;
        }
    }
    student.addSubLow = 1;
    student.mulDivLow = 1;
    student.mixedLow = 1;
    updateMixedHigh(student);
}

} // namespace

std::array<unsigned char, scoreRecordBytes> encodeScoreRecord(const ScoreRecord& record) {
    std::array<unsigned char, scoreRecordBytes> bytes{};
    putLe16(bytes.data(), record.date);
    bytes[2] = record.kind;
    bytes[3] = record.timeLimit;
    putLe16(bytes.data() + 4, static_cast<std::uint16_t>(record.problems));
    putLe16(bytes.data() + 6, static_cast<std::uint16_t>(record.correct));
    return bytes;
}

ScoreRecord decodeScoreRecord(const unsigned char* bytes) {
    ScoreRecord record;
    record.date = getLe16(bytes);
    record.kind = bytes[2];
    record.timeLimit = bytes[3];
    record.problems = static_cast<std::int16_t>(getLe16(bytes + 4));
    record.correct = static_cast<std::int16_t>(getLe16(bytes + 6));
    return record;
}

void readStudentBytes(StudentRecord& student, const std::vector<unsigned char>& bytes) {
    student.history.clear();
    student.loadedWithCount = false;
    if (hasMagic(bytes)) {
        // A file cut short inside the header keeps 0 for the values it lacks.
        ByteReader reader(bytes, magicBytes);
        for (std::int32_t* value :
             {&student.addSubHigh, &student.mulDivHigh, &student.addSubPerMin,
              &student.mulDivPerMin, &student.lastLearnOp, &student.lastLearnNumber}) {
            *value = reader.readLe32Or(0);
        }
        if (bytes.size() >= studentRecordsOffset) {
            student.loadedWithCount = true;
            const std::int32_t storedCount = reader.readLe32Or(0);
            const std::size_t held = (bytes.size() - studentRecordsOffset) / scoreRecordBytes;
            const std::size_t count = std::min<std::size_t>(
                {static_cast<std::size_t>(std::max<std::int32_t>(storedCount, 0)), held,
                 maxScoreRecords});
            for (std::size_t i = 0; i < count; ++i) {
                student.history.push_back(
                    decodeScoreRecord(bytes.data() + studentRecordsOffset + i * scoreRecordBytes));
            }
        }
    }
    applyDefaults(student);
}

namespace {
// A record the program could have written: a kind of problem (or none), a test's minutes, no
// negative count, and not zeroed.
bool looksWhole(const ScoreRecord& record) {
    constexpr int longestTestMinutes = 60;
    return record != ScoreRecord{} && record.kind <= lastOperationKind &&
           record.timeLimit <= longestTestMinutes && record.problems >= 0 && record.correct >= 0;
}
} // namespace

std::vector<ScoreRecord> recoverScoreRecords(const std::vector<unsigned char>& bytes) {
    std::vector<ScoreRecord> records;
    if (bytes.size() < studentRecordsOffset) {
        return records;
    }
    const std::size_t held = (bytes.size() - studentRecordsOffset) / scoreRecordBytes;
    const std::int32_t storedCount = ByteReader(bytes, studentCountOffset).readLe32Or(0);
    const std::size_t count = storedCount > 0 && static_cast<std::size_t>(storedCount) <= held
                                  ? static_cast<std::size_t>(storedCount)
                                  : held;
    for (std::size_t i = 0; i < std::min(count, maxScoreRecords); ++i) {
        const ScoreRecord record =
            decodeScoreRecord(bytes.data() + studentRecordsOffset + i * scoreRecordBytes);
        if (looksWhole(record)) {
            records.push_back(record);
        }
    }
    return records;
}

bool isDamagedStudentFile(const std::vector<unsigned char>& bytes) {
    return !bytes.empty() && !hasMagic(bytes);
}

QString studentFileDamage(const std::vector<unsigned char>& bytes, std::size_t recordsRead) {
    if (!hasMagic(bytes)) {
        return QCoreApplication::translate("StudentFile", "not a Tallyburrow child file");
    }
    if (bytes.size() < studentHeaderBytes) {
        return QCoreApplication::translate("StudentFile", "the file is cut short");
    }
    if (bytes.size() >= studentRecordsOffset) {
        const std::int32_t count = ByteReader(bytes, studentCountOffset).readLe32Or(0);
        if (count > 0 && static_cast<std::size_t>(count) > recordsRead &&
            recordsRead < maxScoreRecords) {
            return QCoreApplication::translate(
                       "StudentFile", "the file is cut short: %1 of %2 results could be read")
                .arg(recordsRead)
                .arg(count);
        }
    }
    return {};
}

std::vector<unsigned char> studentFileBytes(const StudentRecord& student) {
    std::vector<unsigned char> bytes(studentFileMagic, studentFileMagic + magicBytes);
    for (std::int32_t value :
         {student.addSubHigh, student.mulDivHigh, student.addSubPerMin, student.mulDivPerMin,
          student.lastLearnOp, student.lastLearnNumber}) {
        appendLe32(bytes, value);
    }
    if (student.changeState == ChangeState::ScoresChanged || student.loadedWithCount) {
        appendLe32(bytes, static_cast<std::int32_t>(student.history.size()));
        for (const ScoreRecord& record : student.history) {
            const auto encoded = encodeScoreRecord(record);
            bytes.insert(bytes.end(), encoded.begin(), encoded.end());
        }
    }
    return bytes;
}

namespace {
// A file that is there but is not a child file: the results still whole behind its damaged
// start are shown, and the file is never written over.
void readDamaged(StudentRecord& student, ReadOutcome& outcome) {
    student.history = recoverScoreRecords(outcome.bytes);
    outcome.status = ReadStatus::Damaged;
    outcome.reason =
        QCoreApplication::translate("StudentFile",
                                    "its first bytes are not those of a Tallyburrow child file; "
                                    "%1 results behind them could be read")
            .arg(student.history.size());
}
} // namespace

ReadOutcome loadStudentFile(StudentRecord& student, const fs::path& dataFolder,
                            const std::string& name) {
    student.studentName = name;
    student.path = studentFilePath(dataFolder, name);
    ReadOutcome outcome = readDataFile(student.path, maxStudentFileBytes);
    if (outcome.status == ReadStatus::Missing) {
        createEmptyFile(student.path); // listed next run
    }
    readStudentBytes(student, outcome.bytes);
    if (isDamagedStudentFile(outcome.bytes)) {
        readDamaged(student, outcome);
    }
    student.loadedBytes = outcome.bytes;
    student.loadedCount = student.history.size();
    // An archive that cannot be read shows no older results; a save that must add to it fails
    // rather than write over it.
    student.archived = readArchive(student.path).records;
    return outcome;
}

namespace {
// The value changed in this run, or else the one on disk.
std::int32_t newer(std::int32_t mine, std::int32_t loaded, std::int32_t onDisk) {
    return mine != loaded ? mine : onDisk;
}
} // namespace

StudentRecord mergeWithDisk(const StudentRecord& mine, const StudentRecord& onDisk) {
    StudentRecord merged = mine;
    merged.addSubHigh = newer(mine.addSubHigh, mine.loadedAddSubHigh, onDisk.addSubHigh);
    merged.mulDivHigh = newer(mine.mulDivHigh, mine.loadedMulDivHigh, onDisk.mulDivHigh);
    merged.addSubPerMin = newer(mine.addSubPerMin, mine.loadedAddSubPerMin, onDisk.addSubPerMin);
    merged.mulDivPerMin = newer(mine.mulDivPerMin, mine.loadedMulDivPerMin, onDisk.mulDivPerMin);
    merged.lastLearnOp = newer(mine.lastLearnOp, mine.loadedLastLearnOp, onDisk.lastLearnOp);
    merged.lastLearnNumber =
        newer(mine.lastLearnNumber, mine.loadedLastLearnNumber, onDisk.lastLearnNumber);
    // The disk normally begins with the results this run loaded, then holds those another copy
    // added; when that copy moved the oldest to the archive (its file is full), it begins with
    // a later part of them. A file replaced meanwhile holds neither: the loaded results are
    // kept from memory.
    const auto loadedEnd =
        mine.history.begin() +
        static_cast<std::ptrdiff_t>(std::min(mine.loadedCount, mine.history.size()));
    const auto diskBeginsWith = [&](auto from) {
        return static_cast<std::size_t>(loadedEnd - from) <= onDisk.history.size() &&
               std::equal(from, loadedEnd, onDisk.history.begin());
    };
    auto keptFrom = mine.history.begin();
    const bool archivedMeanwhile = onDisk.history.size() == maxScoreRecords;
    while (archivedMeanwhile && keptFrom != loadedEnd && !diskBeginsWith(keptFrom)) {
        ++keptFrom;
    }
    if (keptFrom == loadedEnd) {
        keptFrom = mine.history.begin();
    }
    const auto diskOwn =
        std::mismatch(keptFrom, loadedEnd, onDisk.history.begin(), onDisk.history.end()).second;
    merged.history.assign(keptFrom, loadedEnd);
    merged.history.insert(merged.history.end(), diskOwn, onDisk.history.end());
    merged.history.insert(merged.history.end(), loadedEnd, mine.history.end());
    merged.loadedWithCount = mine.loadedWithCount || onDisk.loadedWithCount;
    updateMixedHigh(merged);
    return merged;
}

namespace {
// Moves the oldest results beyond what the file holds to the archive, first: a save that stops
// between the two keeps them in both, never in neither.
WriteOutcome archiveOverflow(StudentRecord& toWrite) {
    if (!historyOverflows(toWrite)) {
        return WriteOutcome{true, {}};
    }
    const auto firstKept = toWrite.history.end() - static_cast<std::ptrdiff_t>(maxScoreRecords);
    const std::vector<ScoreRecord> oldest(toWrite.history.begin(), firstKept);
    WriteOutcome archived = addToArchive(toWrite.path, oldest);
    if (archived) {
        toWrite.history.erase(toWrite.history.begin(), firstKept);
        toWrite.archived.insert(toWrite.archived.end(), oldest.begin(), oldest.end());
    }
    return archived;
}
} // namespace

WriteOutcome saveStudentFile(StudentRecord& student) {
    const ReadOutcome disk = readDataFile(student.path, maxStudentFileBytes);
    if (disk.status != ReadStatus::Loaded && disk.status != ReadStatus::Missing) {
        return WriteOutcome{false, disk.reason}; // never written over unread
    }
    if (isDamagedStudentFile(disk.bytes)) {
        return WriteOutcome{false, QCoreApplication::translate(
                                       "StudentFile", "it is not a Tallyburrow child file")};
    }
    StudentRecord toWrite = student;
    if (disk.status == ReadStatus::Loaded && disk.bytes != student.loadedBytes) {
        StudentRecord onDisk;
        readStudentBytes(onDisk, disk.bytes);
        toWrite = mergeWithDisk(student, onDisk);
    }
    if (WriteOutcome archived = archiveOverflow(toWrite); !archived) {
        return archived;
    }
    const std::vector<unsigned char> bytes = studentFileBytes(toWrite);
    WriteOutcome outcome = writeFileAtomically(student.path, bytes);
    if (outcome) {
        student = std::move(toWrite);
        student.loadedBytes = bytes;
        student.loadedWithCount = bytes.size() >= studentRecordsOffset;
        markSaved(student);
    }
    return outcome;
}
