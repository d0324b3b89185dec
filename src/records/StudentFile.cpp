#include "records/StudentFile.h"

#include "records/BinaryIo.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <system_error>

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

std::vector<unsigned char> readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}
} // namespace

fs::path studentFilePath(const fs::path& dataFolder, const std::string& name) {
    const std::string fileName = name + studentFileExtension;
    return dataFolder / fs::path(std::u8string(fileName.begin(), fileName.end()));
}

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

void loadStudentFile(StudentRecord& student, const fs::path& dataFolder, const std::string& name) {
    student.studentName = name;
    student.path = studentFilePath(dataFolder, name);
    std::error_code error;
    if (!fs::exists(student.path, error)) {
        std::ofstream create(student.path, std::ios::binary); // listed next run
    }
    readStudentBytes(student, readWholeFile(student.path));
}

bool saveStudentFile(const StudentRecord& student) {
    return writeFileAtomically(student.path, studentFileBytes(student));
}
