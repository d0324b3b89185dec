// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/TestPage.h"

#include "common/NumberText.h"
#include "print/cTPrint.h"
#include "printtests/ProblemCell.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>

namespace {
constexpr int rows = 10;
constexpr int columns = 7;
constexpr double paperWidth = 8.5;
constexpr double headingY = 0.75;
constexpr double firstRowY = 1.5;
constexpr double rowStep = 0.9;
constexpr double firstColumnX = 1.2;
constexpr double columnStep = 1.0;

// Fills the grid row by row, running through the list again, reshuffled with the same
// seed, each time it is used up, so a short list still fills the page reproducibly.
void printGrid(cTPrint& printer, std::vector<Problem>& problems, std::uint64_t seed,
               const GridFont& font, bool withAnswers, RandomGenerator& random) {
    std::size_t index = 0;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            drawProblem(printer, problems[index], firstColumnX + columnStep * column,
                        firstRowY + rowStep * row, font, withAnswers);
            ++index;
            if (index == problems.size()) {
                index = 0;
                random.seed(seed);
                shuffleProblemList(problems, random);
            }
        }
    }
}
} // namespace

QString testPageHeading(int testNumber, OperationKind kind) {
    //: %1 is the test's number with a space before it when not negative, %2 the problem type
    return QCoreApplication::translate("TestPage", "Test No.%1 - %2")
        .arg(QString::fromStdString(numberWithSign(testNumber)), opText(kind));
}

void printTestPage(cTPrint& printer, int testNumber, int copies, bool withAnswers,
                   OperationKind kind, const StudentRecord& student, RandomGenerator& random) {
    printer.SetCopies(std::max(copies, 1));
    if (printer.ChoosePrinter().isEmpty()) {
        return;
    }
    printer.SetFont("Courier New", 12, "");
    GridFont font;
    printer.GetCharSize(font.charWidth, font.lineHeight);
    printer.BeginDocument(QCoreApplication::translate("TestPage", "Math Test"));
    const auto seed = static_cast<std::uint64_t>(testNumber);
    std::vector<Problem> problems =
        buildProblemList(kind, PracticeMode::PrintedTest, student, 0, random, seed);
    printer.BeginPage();
    const QString heading = testPageHeading(testNumber, kind);
    printer.PrintText(heading, (paperWidth - printer.TextWidth(heading)) / 2, headingY);
    if (!problems.empty()) {
        printGrid(printer, problems, seed, font, withAnswers, random);
    }
    printer.FinishPage();
    printer.FinishDocument();
}
