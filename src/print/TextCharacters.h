// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Counting and cutting text by characters (code points) rather than by QString's UTF-16
// units, so a character outside the Basic Multilingual Plane is never cut in half. Qt's
// toUcs4() and fromUcs4() do the decoding.

qsizetype characterCount(const QString& text);

// The first n characters (the whole text when it has fewer).
QString firstCharacters(const QString& text, qsizetype n);

// The last n characters (the whole text when it has fewer).
QString lastCharacters(const QString& text, qsizetype n);

// The characters in reverse order, each kept whole.
QString reverseCharacters(const QString& text);

// The text without spaces (U+0020 only) at either end; QString::trimmed() would also take
// tabs, line ends and no-break spaces.
QString trimBlanks(const QString& text);
