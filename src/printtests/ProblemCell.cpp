// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/ProblemCell.h"

#include "common/NumberText.h"
#include "print/cTPrint.h"

#include <algorithm>

namespace {
constexpr int divide = 4;

// Numbers on the page: the digits, their sign place and the rule are one character each.
QString number(int value) {
    return QString::fromStdString(numberWithSign(value));
}

double length(const QString& text) {
    return static_cast<double>(text.size());
}

// The x at which text ends with its last character starting at colX.
double rightAligned(const QString& text, double colX, const GridFont& font) {
    return colX - font.charWidth * (length(text) - 1);
}

// "+ ", "- ", "x ": the operand after it brings its own sign place, so two blanks follow.
QString operatorPrefix(int operation) {
    switch (operation) {
    case 1:
        return "+ ";
    case 2:
        return "- ";
    case 3:
        return "x ";
    default:
        return "? ";
    }
}

void drawStacked(cTPrint& printer, const Problem& problem, double colX, double rowY,
                 const GridFont& font, bool withAnswers) {
    const QString first = number(problem.first);
    const QString second = number(problem.second);
    const double lh = font.lineHeight;
    printer.PrintText(first, rightAligned(first, colX, font), rowY);
    // The rule goes first: the operator line drawn after it keeps the rule's stroke visible
    // below its own cell.
    const double secondX = colX - font.charWidth * (length(second) + 1);
    printer.PrintText(QString(second.size() + 2, u'_'), secondX, rowY + 1.1 * lh);
    printer.PrintText(operatorPrefix(problem.operation) + second, secondX, rowY + lh);
    if (withAnswers) {
        const QString answer = QString::fromStdString(numberPlain(correctAnswer(problem)));
        printer.PrintText(answer, rightAligned(answer, colX, font), rowY + 2.1 * lh);
    }
}

void drawFraction(cTPrint& printer, const Problem& problem, double colX, double rowY,
                  const GridFont& font, bool withAnswers) {
    const QString dividend = number(problem.first);
    const QString divisor = number(problem.second);
    const double lh = font.lineHeight;
    const QString rule(std::max(dividend.size(), divisor.size()), u'_');
    printer.PrintText(rule, rightAligned(rule, colX, font), rowY + 0.1 * lh);
    printer.PrintText(dividend, rightAligned(dividend, colX, font), rowY);
    // Centred under the dividend; the half is kept, so it may sit half a character off.
    const double divisorX = colX - font.charWidth * ((length(dividend) + length(divisor)) / 2 - 1);
    printer.PrintText(divisor, divisorX, rowY + 1.1 * lh);
    const QString equals =
        withAnswers ? "=" + QString::fromStdString(numberPlain(correctAnswer(problem))) : "=";
    printer.PrintText(equals, colX + 1.25 * font.charWidth, rowY + 0.6 * lh);
}
} // namespace

void drawProblem(cTPrint& printer, const Problem& problem, double colX, double rowY,
                 const GridFont& font, bool withAnswers) {
    if (problem.operation == divide) {
        drawFraction(printer, problem, colX, rowY, font, withAnswers);
    } else {
        drawStacked(printer, problem, colX, rowY, font, withAnswers);
    }
}
