// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/ScoreEntry.h"

#include "common/NumberText.h"
#include "records/PackDate.h"

#include <QDate>

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

bool isStorableDate(std::string_view text) {
    text = trimBlanks(text);
    std::array<std::string_view, 3> fields;
    std::size_t count = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find_first_of("-/", start), text.size());
        if (count == fields.size()) {
            return false;
        }
        fields[count++] = text.substr(start, end - start);
        start = end + 1;
    }
    const auto month = wholeNumber(fields[0]);
    const auto day = wholeNumber(fields[1]);
    auto year = wholeNumber(fields[2]);
    const bool digitsOnly = std::ranges::all_of(
        text, [](char c) { return (c >= '0' && c <= '9') || c == '-' || c == '/'; });
    if (count != 3 || !digitsOnly || !month || !day || !year || fields[2].size() == 3 ||
        fields[2].size() > 4) {
        return false;
    }
    if (fields[2].size() != 4) {
        *year += 2000;
    }
    return QDate(*year, *month, *day).isValid() && *year >= firstStoredYear &&
           *year <= lastStoredYear;
}

ScoreEntryProblem scoreEntryProblem(const ScoreEntryTexts& texts) {
    if (!isStorableDate(texts.date)) {
        return {ScoreField::Date, "The test date must be a real date from " +
                                      std::to_string(firstStoredYear) + " to " +
                                      std::to_string(lastStoredYear) +
                                      ", written month-day-year (for example 03-15-2006)."};
    }
    if (kindFromText(texts.kind) == 0) {
        return {ScoreField::Kind, "Please choose a problem type from the list."};
    }
    const auto problems = wholeNumber(texts.problems);
    if (!problems || *problems < 1 || *problems > maxScoreProblems) {
        return {ScoreField::Problems, "The number of problems must be a whole number from 1 to " +
                                          std::to_string(maxScoreProblems) + "."};
    }
    const auto correct = wholeNumber(texts.correct);
    if (!correct || *correct < 0 || *correct > *problems) {
        return {ScoreField::Correct, "The number correct must be a whole number from 0 to the "
                                     "number of problems (" +
                                         std::to_string(*problems) + ")."};
    }
    return {};
}

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

void saveScoreEntry(StudentRecord& student, const ScoreEntryTexts& texts) {
    const ScoreRecord record = scoreFromEntry(texts);
    appendScore(student, record.date, record.kind, record.timeLimit, record.problems,
                record.correct);
}
