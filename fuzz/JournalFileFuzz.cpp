// SPDX-License-Identifier: GPL-3.0-or-later
// The session journal reader: any bytes give a whole journal or none. A journal that reads
// writes back the same bytes, and taking it back into a record adds exactly its results and
// changes exactly the values it changed.
#include "FuzzCheck.h"
#include "records/SessionJournal.h"
#include "records/StudentFile.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<unsigned char> bytes(data, data + size);
    const std::optional<SessionChanges> changes = readJournalBytes(bytes);
    if (!changes) {
        return 0;
    }
    FUZZ_CHECK(journalBytes(*changes) == bytes);
    FUZZ_CHECK(changes->added.size() * scoreRecordBytes < size);

    StudentRecord student;
    readStudentBytes(student, {});
    const StudentRecord before = student;
    applySessionChanges(student, *changes);
    FUZZ_CHECK(student.history == changes->added);
    FUZZ_CHECK(student.mixedHigh == std::max(student.addSubHigh, student.mulDivHigh));
    const std::int32_t values[] = {student.addSubHigh, student.mulDivHigh, student.addSubPerMin,
                                   student.mulDivPerMin};
    const std::int32_t was[] = {before.addSubHigh, before.mulDivHigh, before.addSubPerMin,
                                before.mulDivPerMin};
    for (std::size_t i = 0; i < 4; ++i) {
        const bool changed = changes->current[i] != changes->loaded[i];
        FUZZ_CHECK(values[i] == (changed ? changes->current[i] : was[i]));
    }
    return 0;
}
