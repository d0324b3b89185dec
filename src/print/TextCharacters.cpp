// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/TextCharacters.h"

#include <QList>

#include <algorithm>

qsizetype characterCount(const QString& text) {
    return text.toUcs4().size();
}

QString firstCharacters(const QString& text, qsizetype n) {
    const QList<uint> characters = text.toUcs4();
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                             std::clamp<qsizetype>(n, 0, characters.size()));
}

QString lastCharacters(const QString& text, qsizetype n) {
    const QList<uint> characters = text.toUcs4();
    const qsizetype kept = std::clamp<qsizetype>(n, 0, characters.size());
    return QString::fromUcs4(
        reinterpret_cast<const char32_t*>(characters.constData() + characters.size() - kept), kept);
}

QString reverseCharacters(const QString& text) {
    QList<uint> characters = text.toUcs4();
    std::reverse(characters.begin(), characters.end());
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                             characters.size());
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ') {
        ++first;
    }
    while (end > first && text[end - 1] == u' ') {
        --end;
    }
    return text.mid(first, end - first);
}
