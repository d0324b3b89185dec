// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentFile.h"

#include "records/StudentFolder.h"

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
    student.loadedAddSubHigh = student.addSubHigh;
    student.loadedMulDivHigh = student.mulDivHigh;
    student.loadedAddSubPerMin = student.addSubPerMin;
    student.loadedMulDivPerMin = student.mulDivPerMin;
    student.loadedLastLearnOp = student.lastLearnOp;
    student.loadedLastLearnNumber = student.lastLearnNumber;
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

QString studentFileDamage(const std::vector<unsigned char>& bytes, std::size_t recordsRead) {
    if (!hasMagic(bytes)) {
        return "not a Tallyburrow child file";
    }
    if (bytes.size() < studentHeaderBytes) {
        return "the file is cut short";
    }
    if (bytes.size() >= studentRecordsOffset) {
        const std::int32_t count = ByteReader(bytes, studentCountOffset).readLe32Or(0);
        if (count > 0 && static_cast<std::size_t>(count) > recordsRead &&
            recordsRead < maxScoreRecords) {
            return QString("the file is cut short: %1 of %2 results could be read")
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

ReadOutcome loadStudentFile(StudentRecord& student, const fs::path& dataFolder,
                            const std::string& name) {
    student.studentName = name;
    student.path = studentFilePath(dataFolder, name);
    ReadOutcome outcome = readDataFile(student.path, maxStudentFileBytes);
    if (outcome.status == ReadStatus::Missing) {
        QFile create(pathText(student.path)); // listed next run
        create.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
    readStudentBytes(student, outcome.bytes);
    student.loadedBytes = outcome.bytes;
    student.loadedCount = student.history.size();
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
    // added. A file replaced meanwhile holds fewer: the loaded results are kept from memory.
    const auto loadedEnd =
        mine.history.begin() +
        static_cast<std::ptrdiff_t>(std::min(mine.loadedCount, mine.history.size()));
    const auto diskOwn =
        std::mismatch(mine.history.begin(), loadedEnd, onDisk.history.begin(), onDisk.history.end())
            .second;
    merged.history.assign(mine.history.begin(), loadedEnd);
    merged.history.insert(merged.history.end(), diskOwn, onDisk.history.end());
    merged.history.insert(merged.history.end(), loadedEnd, mine.history.end());
    if (merged.history.size() > maxScoreRecords) {
        merged.history.resize(maxScoreRecords);
    }
    merged.loadedWithCount = mine.loadedWithCount || onDisk.loadedWithCount;
    updateMixedHigh(merged);
    return merged;
}

WriteOutcome saveStudentFile(StudentRecord& student) {
    const ReadOutcome disk = readDataFile(student.path, maxStudentFileBytes);
    if (disk.status != ReadStatus::Loaded && disk.status != ReadStatus::Missing) {
        return WriteOutcome{false, disk.reason}; // never written over unread
    }
    StudentRecord toWrite = student;
    if (disk.status == ReadStatus::Loaded && disk.bytes != student.loadedBytes) {
        StudentRecord onDisk;
        readStudentBytes(onDisk, disk.bytes);
        toWrite = mergeWithDisk(student, onDisk);
    }
    const std::vector<unsigned char> bytes = studentFileBytes(toWrite);
    WriteOutcome outcome = writeFileAtomically(student.path, bytes);
    if (outcome) {
        student = std::move(toWrite);
        student.loadedBytes = bytes;
        student.loadedCount = student.history.size();
    }
    return outcome;
}
