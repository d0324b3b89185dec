// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/FluencyMapText.h"

#include "common/DisplayNumbers.h"
#include "common/OperationKind.h"

#include <QCoreApplication>

namespace {
QString translated(const char* text) {
    return QCoreApplication::translate("FluencyMap", text);
}

// Seconds with one decimal, in the user's way of writing numbers.
QString secondsText(std::uint32_t milliseconds) {
    return displayDecimal(static_cast<double>(milliseconds) / 1000.0, 1);
}
} // namespace

QString stateMark(FactState state) {
    switch (state) {
    case FactState::Known:
        return QStringLiteral("\u2713");
    case FactState::Slow:
        return QStringLiteral("~");
    case FactState::NotYet:
        return QStringLiteral("\u2717");
    default:
        return QStringLiteral("\u00B7");
    }
}

QString stateWord(FactState state) {
    switch (state) {
    case FactState::Known:
        return translated(QT_TRANSLATE_NOOP("FluencyMap", "known"));
    case FactState::Slow:
        return translated(QT_TRANSLATE_NOOP("FluencyMap", "slow"));
    case FactState::NotYet:
        return translated(QT_TRANSLATE_NOOP("FluencyMap", "not yet"));
    default:
        return translated(QT_TRANSLATE_NOOP("FluencyMap", "not tried"));
    }
}

QString legendEntry(FactState state) {
    return QCoreApplication::translate("FluencyMap", "%1 %2", "a mark, then its meaning")
        .arg(stateMark(state), stateWord(state));
}

QString spokenFact(const Problem& fact) {
    const char* pattern = "%1 ? %2";
    switch (fact.operation) {
    case 1:
        pattern = QT_TRANSLATE_NOOP("FluencyMap", "%1 plus %2");
        break;
    case 2:
        pattern = QT_TRANSLATE_NOOP("FluencyMap", "%1 minus %2");
        break;
    case 3:
        pattern = QT_TRANSLATE_NOOP("FluencyMap", "%1 times %2");
        break;
    case 4:
        pattern = QT_TRANSLATE_NOOP("FluencyMap", "%1 divided by %2");
        break;
    default:
        break;
    }
    return translated(pattern).arg(fact.first).arg(fact.second);
}

QString cellSpeech(const FactFluency& cell) {
    const QString fact = spokenFact(cell.fact);
    const QString seconds = secondsText(cell.lastMilliseconds);
    switch (cell.state) {
    case FactState::Known:
        return translated(QT_TRANSLATE_NOOP("FluencyMap", "%1: known, %2 seconds"))
            .arg(fact, seconds);
    case FactState::Slow:
        return translated(QT_TRANSLATE_NOOP("FluencyMap", "%1: slow, %2 seconds"))
            .arg(fact, seconds);
    case FactState::NotYet:
        return translated(QT_TRANSLATE_NOOP("FluencyMap", "%1: not yet")).arg(fact);
    default:
        return translated(QT_TRANSLATE_NOOP("FluencyMap", "%1: not tried")).arg(fact);
    }
}

QString countLine(const FluencyGrid& grid) {
    // The count is an int of its own: lupdate does not read a cast among the arguments.
    const auto facts = static_cast<int>(grid.cells.size());
    return QCoreApplication::translate("FluencyMap", "%1: %2 of %n known",
                                       "the operation, then its known facts of all its facts",
                                       facts)
        .arg(opText(grid.operation))
        .arg(grid.count(FactState::Known));
}

QString columnHeading(int operation, int second) {
    static const char16_t signs[] = {u'+', u'\u2212', u'\u00D7', u'\u00F7'};
    const QChar sign = operation >= 1 && operation <= 4 ? QChar(signs[operation - 1]) : QChar('?');
    return sign + QString::number(second);
}
