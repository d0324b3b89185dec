// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpPrintText.h"

#include "print/TextCharacters.h"

namespace {

const QString breakCharacters = QStringLiteral(" -,;:.()[]{}<>~/|\\=");
const QString openingBrackets = QStringLiteral("([{<");

} // namespace

QStringList printLines(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

QString expandTabs(const QString& line) {
    QString expanded;
    const QStringList pieces = line.split(u'\t');
    for (qsizetype piece = 0; piece < pieces.size(); ++piece) {
        expanded += pieces[piece];
        if (piece + 1 < pieces.size()) {
            expanded += QString(8 - characterCount(expanded) % 8, u' ');
        }
    }
    return expanded;
}

bool isBreakCharacter(QChar character) {
    return breakCharacters.contains(character);
}

bool isOpeningBracket(QChar character) {
    return openingBrackets.contains(character);
}

qsizetype pieceLength(const QString& line, const QString& fitting) {
    qsizetype breakAt = 0; // 1-based position of the last break character, 0 for none
    for (qsizetype index = fitting.size(); index > 0; --index) {
        if (isBreakCharacter(fitting[index - 1])) {
            breakAt = index;
            break;
        }
    }
    const bool bracketFirst = breakAt == 1 && isOpeningBracket(fitting[0]);
    if (breakAt == 0 || bracketFirst) {
        return fitting.isEmpty() ? firstCharacters(line, 1).size() : fitting.size();
    }
    return isOpeningBracket(fitting[breakAt - 1]) ? breakAt - 1 : breakAt;
}
