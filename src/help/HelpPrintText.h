// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Text shaping for printed help topics.

// The lines of a text: split at CR LF; a text that ends with CR LF has no empty last line.
QStringList printLines(const QString& text);

// The line with each tab replaced by the spaces up to the next multiple of 8 characters
// (8 spaces where the text before it already ends on a multiple of 8).
QString expandTabs(const QString& line);

// True for the 19 characters a printed line may be broken after (or before, for an
// opening bracket).
bool isBreakCharacter(QChar character);
bool isOpeningBracket(QChar character);

// How much of `line` goes on the printed line when only `fitting` (a head of the line)
// fits the width: up to and including the last break character, or up to an opening
// bracket (which moves to the next line). A head without a usable break character (one
// long word) is broken at the width itself; at least one character is always taken.
qsizetype pieceLength(const QString& line, const QString& fitting);
