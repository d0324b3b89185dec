// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/FactSheet.h"

#include "common/OperationKind.h"
#include "print/cTPrint.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {
constexpr double paperWidth = 8.5;
constexpr double headingY = 0.75;
constexpr double nameLineY = 1.3;
constexpr double leftX = 1.0;
constexpr QStringView writingLine = u"______________";

QString translated(const char* text) {
    return QCoreApplication::translate("FactSheet", text);
}

QString operationTitle(const char* pattern, int operation) {
    return translated(pattern).arg(opText(operation));
}

// Which group a fact goes in, 0 first; known facts in none.
int pickGroup(FactState state) {
    switch (state) {
    case FactState::NotYet:
        return 0;
    case FactState::Slow:
        return 1;
    case FactState::NotTried:
        return 2;
    default:
        return -1;
    }
}

// Within a group, the facts needing most help lead: the most missed, then the slowest.
bool needsMoreHelp(const FactFluency& a, const FactFluency& b) {
    if (pickGroup(a.state) != pickGroup(b.state)) {
        return pickGroup(a.state) < pickGroup(b.state);
    }
    if (a.state == FactState::NotYet) {
        return a.wrong > b.wrong;
    }
    return a.state == FactState::Slow && a.lastMilliseconds > b.lastMilliseconds;
}

// A centred heading in the larger type, then the body type again.
void printHeading(cTPrint& printer, const QString& heading) {
    printer.SetFont("Courier New", 16, "b");
    printer.PrintText(heading, (paperWidth - printer.TextWidth(heading)) / 2, headingY);
    printer.SetFont("Courier New", 14);
}

void printNameLine(cTPrint& printer) {
    printer.PrintText(translated(QT_TRANSLATE_NOOP(
                          "FactSheet", "Name: ____________________   Date: ____________")),
                      leftX, nameLineY);
}

// The facts in two columns of up to ten rows from the top y on.
void printFactColumns(cTPrint& printer, const std::vector<Problem>& facts, double top,
                      bool withAnswers) {
    const std::size_t perColumn = (facts.size() + 1) / 2;
    for (std::size_t i = 0; i < facts.size(); ++i) {
        const double x = i < perColumn ? leftX : leftX + 3.5;
        const double y = top + 0.7 * static_cast<double>(i % std::max<std::size_t>(perColumn, 1));
        printer.PrintText(sheetFactText(facts[i], withAnswers), x, y);
    }
}
} // namespace

std::vector<Problem> sheetFacts(const FluencyGrid& grid, std::size_t most) {
    std::vector<FactFluency> toLearn;
    std::copy_if(grid.cells.begin(), grid.cells.end(), std::back_inserter(toLearn),
                 [](const FactFluency& cell) { return pickGroup(cell.state) >= 0; });
    std::stable_sort(toLearn.begin(), toLearn.end(), needsMoreHelp);
    std::vector<Problem> facts;
    for (std::size_t i = 0; i < std::min(most, toLearn.size()); ++i) {
        facts.push_back(toLearn[i].fact);
    }
    return facts;
}

QString sheetFactText(const Problem& fact, bool withAnswer) {
    static const char16_t signs[] = {u'+', u'\u2212', u'\u00D7', u'\u00F7'};
    const bool known = fact.operation >= 1 && fact.operation <= 4;
    const QString answer =
        withAnswer ? QString::number(known ? correctAnswer(fact) : 0) : QStringLiteral("____");
    return QStringLiteral("%1 %2 %3 = %4")
        .arg(fact.first)
        .arg(known ? QChar(signs[fact.operation - 1]) : QChar('?'))
        .arg(fact.second)
        .arg(answer);
}

void printPracticeSheet(cTPrint& printer, const std::vector<Problem>& facts, int operation) {
    if (printer.ChoosePrinter().isEmpty()) {
        return;
    }
    printer.BeginDocument(translated(QT_TRANSLATE_NOOP("FactSheet", "Practice Sheet")));
    printer.BeginPage();
    printHeading(printer,
                 operationTitle(QT_TRANSLATE_NOOP("FactSheet", "Practice Sheet - %1"), operation));
    printNameLine(printer);
    printer.PrintText(translated(QT_TRANSLATE_NOOP(
                          "FactSheet", "Look at the fact, copy it, then cover it and write it.")),
                      leftX, 1.8);
    const double columns[] = {leftX, leftX + 2.4, leftX + 4.6};
    const char* headings[] = {QT_TRANSLATE_NOOP("FactSheet", "Look"),
                              QT_TRANSLATE_NOOP("FactSheet", "Copy"),
                              QT_TRANSLATE_NOOP("FactSheet", "Cover and write")};
    for (int column = 0; column < 3; ++column) {
        printer.PrintText(translated(headings[column]), columns[column], 2.4);
    }
    for (std::size_t row = 0; row < facts.size(); ++row) {
        const double y = 3.0 + 0.75 * static_cast<double>(row);
        printer.PrintText(sheetFactText(facts[row], true), columns[0], y);
        printer.PrintText(writingLine.toString(), columns[1], y);
        printer.PrintText(writingLine.toString(), columns[2], y);
    }
    printer.FinishPage();
    printer.FinishDocument();
}

void printOneMinuteCheck(cTPrint& printer, const std::vector<Problem>& facts, int operation) {
    if (printer.ChoosePrinter().isEmpty()) {
        return;
    }
    printer.BeginDocument(translated(QT_TRANSLATE_NOOP("FactSheet", "One-Minute Check")));
    printer.BeginPage();
    printHeading(printer, operationTitle(QT_TRANSLATE_NOOP("FactSheet", "One-Minute Check - %1"),
                                         operation));
    printNameLine(printer);
    printer.PrintText(translated(QT_TRANSLATE_NOOP("FactSheet", "Time: 1 minute")), leftX, 1.8);
    printFactColumns(printer, facts, 2.6, false);
    printer.FinishPage();
    printer.BeginPage();
    printHeading(printer, operationTitle(
                              QT_TRANSLATE_NOOP("FactSheet", "Answer Key - One-Minute Check - %1"),
                              operation));
    printFactColumns(printer, facts, 2.6, true);
    printer.FinishPage();
    printer.FinishDocument();
}
