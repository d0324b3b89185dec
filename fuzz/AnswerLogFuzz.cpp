// SPDX-License-Identifier: GPL-3.0-or-later
// The answer log reader: any bytes give a log (up to a torn end) or a damaged one with a
// reason, never more answers than the bytes hold. A log that reads writes back what reads the
// same, record for record, and compacting it keeps it a log that reads the same again.
#include "FuzzCheck.h"
#include "records/AnswerLog.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<unsigned char> bytes(data, data + size);
    const AnswerLogRead read = readAnswerLogBytes(bytes);
    const AnswerLogContents& log = read.contents;
    FUZZ_CHECK(read.wholeBytes <= size && read.wholeBytes % answerRecordBytes == 0);
    FUZZ_CHECK((log.folded.size() + log.summaries.size() + log.answers.size()) * answerRecordBytes <
               size + 1);
    if (read.status != ReadStatus::Loaded) {
        FUZZ_CHECK(read.status == ReadStatus::Damaged && !read.reason.isEmpty());
        return 0;
    }
    const std::vector<unsigned char> written = answerLogBytes(log);
    FUZZ_CHECK(written.size() == read.wholeBytes);
    const AnswerLogRead again = readAnswerLogBytes(written);
    FUZZ_CHECK(again.status == ReadStatus::Loaded && again.contents == log);

    const AnswerLogContents compact = compactAnswers(log, 2);
    FUZZ_CHECK(compact.answers.size() <= log.answers.size());
    FUZZ_CHECK(readAnswerLogBytes(answerLogBytes(compact)).contents == compact);
    FUZZ_CHECK(compactAnswers(compact, 2) == compact);
    return 0;
}
