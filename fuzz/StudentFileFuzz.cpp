// SPDX-License-Identifier: GPL-3.0-or-later
// The child file reader: any bytes give a bounded record, and saving what was read reads
// back the same. A merge with another copy's file keeps every result of both.
#include "FuzzCheck.h"
#include "records/StudentFile.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
bool sameStored(const StudentRecord& a, const StudentRecord& b) {
    return a.addSubHigh == b.addSubHigh && a.mulDivHigh == b.mulDivHigh &&
           a.addSubPerMin == b.addSubPerMin && a.mulDivPerMin == b.mulDivPerMin &&
           a.lastLearnOp == b.lastLearnOp && a.lastLearnNumber == b.lastLearnNumber &&
           a.history == b.history;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<unsigned char> bytes(data, data + size);
    StudentRecord student;
    readStudentBytes(student, bytes);
    FUZZ_CHECK(student.history.size() <= maxScoreRecords);
    FUZZ_CHECK(student.history.size() * scoreRecordBytes <= size);
    FUZZ_CHECK(student.mixedHigh == std::max(student.addSubHigh, student.mulDivHigh));

    const std::vector<unsigned char> saved = studentFileBytes(student);
    StudentRecord again;
    readStudentBytes(again, saved);
    FUZZ_CHECK(sameStored(again, student));
    FUZZ_CHECK(studentFileBytes(again) == saved);

    // This run adds a result while another copy's file holds what was read.
    StudentRecord mine = student;
    mine.loadedCount = mine.history.size();
    appendScore(mine, 1, 1, 1, 1, 1);
    const StudentRecord merged = mergeWithDisk(mine, student);
    FUZZ_CHECK(merged.history.size() == student.history.size() + 1);
    FUZZ_CHECK(std::equal(student.history.begin(), student.history.end(), merged.history.begin()));

    // Whatever another copy left on disk, the results loaded here are kept first, unless its
    // full file goes on from them (it moved the oldest to the archive); this run's are last.
    StudentRecord replaced;
    readStudentBytes(replaced, std::vector<unsigned char>(bytes.rbegin(), bytes.rend()));
    const StudentRecord kept = mergeWithDisk(mine, replaced);
    FUZZ_CHECK(replaced.history.size() == maxScoreRecords ||
               std::equal(student.history.begin(), student.history.end(), kept.history.begin()));
    FUZZ_CHECK(kept.history.back() == mine.history.back());
    return 0;
}
