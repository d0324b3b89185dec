// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/ScoreEntry.h"

#include "common/NumberText.h"
#include "records/PackDate.h"

#include <QCoreApplication>
#include <QString>

namespace {
bool storableCount(const std::string& text) {
    const std::int32_t count = textToNumber(text);
    return count >= 0 && count <= maxScoreCount;
}

// The low 16 bits of a number, as a score record keeps it.
std::int16_t lowSixteenBits(std::int32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}
} // namespace

QString scoreKindText(const char* item) {
    return QCoreApplication::translate("ScoreEntry", item);
}

ScoreEntryProblem scoreEntryProblem(const ScoreEntryTexts& texts) {
    if (!storableCount(texts.problems)) {
        return {ScoreField::Problems,
                QCoreApplication::translate(
                    "ScoreEntry", "The number of problems must be a whole number from 0 to %1.")
                    .arg(maxScoreCount)
                    .toStdString()};
    }
    if (!storableCount(texts.correct)) {
        return {ScoreField::Correct,
                QCoreApplication::translate(
                    "ScoreEntry", "The number correct must be a whole number from 0 to %1.")
                    .arg(maxScoreCount)
                    .toStdString()};
    }
    return {};
}

int kindFromText(std::string_view text) {
    const QString wanted =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
    for (std::size_t i = 0; i < scoreKindItems.size(); ++i) {
        if (wanted.compare(scoreKindText(scoreKindItems[i]), Qt::CaseInsensitive) == 0 ||
            wanted.compare(QLatin1String(scoreKindItems[i]), Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

ScoreRecord scoreFromEntry(const ScoreEntryTexts& texts) {
    ScoreRecord record;
    record.date = packDate(texts.date, displayDateForm());
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
