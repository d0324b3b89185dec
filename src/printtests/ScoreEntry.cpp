#include "printtests/ScoreEntry.h"

#include "common/NumberText.h"
#include "records/PackDate.h"

#include <algorithm>
#include <cctype>

namespace {
std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}
} // namespace

int kindFromText(std::string_view text) {
    const std::string_view wanted = trimBlanks(text);
    for (std::size_t i = 0; i < scoreKindItems.size(); ++i) {
        if (equalIgnoringCase(wanted, scoreKindItems[i])) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

std::int16_t lowSixteenBits(std::int32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}

ScoreRecord scoreFromEntry(const ScoreEntryTexts& texts) {
    ScoreRecord record;
    record.date = packDate(texts.date);
    record.kind = static_cast<std::uint8_t>(kindFromText(texts.kind));
    record.timeLimit = 0;
    record.problems = lowSixteenBits(textToNumber(texts.problems));
    record.correct = lowSixteenBits(textToNumber(texts.correct));
    return record;
}

bool saveScoreEntry(StudentRecord& student, const ScoreEntryTexts& texts) {
    const ScoreRecord record = scoreFromEntry(texts);
    return appendScore(student, record.date, record.kind, record.timeLimit, record.problems,
                       record.correct);
}
