// SPDX-License-Identifier: GPL-3.0-or-later
// The help file reader: any bytes give a bounded list of topics, and writing the topics
// read and reading them again gives the same topics.
#include "FuzzCheck.h"
#include "help/HelpFile.h"
#include "help/HelpSource.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<unsigned char> bytes(data, data + size);
    const HelpLoadResult result = HelpFile::parse(bytes);
    FUZZ_CHECK(result.topics.empty() == result.notice.has_value());
    FUZZ_CHECK(static_cast<std::int64_t>(result.topics.size()) <=
               HelpFile::countLimitForSize(size));
    // Only the one text that runs past the end is padded: the rest come from the bytes.
    std::size_t textBytes = 0;
    for (const HelpTopic& topic : result.topics) {
        textBytes += topic.text.size() + topic.title.size();
    }
    FUZZ_CHECK(textBytes <= size + 0xFFFF);

    if (!result.topics.empty()) {
        const HelpLoadResult again = HelpFile::parse(encodeHelpFile(result.topics));
        FUZZ_CHECK(again.topics.size() == result.topics.size());
        for (std::size_t i = 0; i < again.topics.size(); ++i) {
            FUZZ_CHECK(again.topics[i].text == result.topics[i].text);
            FUZZ_CHECK(again.topics[i].title == result.topics[i].title);
            FUZZ_CHECK(again.topics[i].level == result.topics[i].level);
        }
    }
    return 0;
}
