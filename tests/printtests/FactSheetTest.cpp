// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/FactSheet.h"
#include "print/FakePrintDevice.h"
#include "print/cTPrint.h"

#include <gtest/gtest.h>

namespace {
FactFluency cell(int a, int b, FactState state, std::uint32_t ms = 0, std::uint32_t wrong = 0) {
    return {{a, b, 3}, state, ms, 0, wrong};
}

QStringList drawnTexts(const FakePrintDevice& device) {
    QStringList texts;
    for (const FakePrintDevice::Drawn& drawn : device.drawn) {
        texts.append(drawn.text);
    }
    return texts;
}

const std::vector<Problem> threeFacts = {{7, 8, 3}, {11, 4, 2}, {56, 8, 4}};
const QString line = "______________";
const QString nameLine = "Name: ____________________   Date: ____________";
} // namespace

// Facts not yet known lead (the most missed first), then the slow (the slowest first), then
// the untried in the grid's order; known facts never come, and the count is held.
TEST(FactSheet, PicksTheFactsNeedingMostHelpFirst) {
    FluencyGrid grid;
    grid.cells = {cell(1, 1, FactState::Known),      cell(1, 2, FactState::NotTried),
                  cell(1, 3, FactState::Slow, 4000), cell(2, 2, FactState::NotYet, 0, 1),
                  cell(2, 3, FactState::Slow, 6000), cell(3, 3, FactState::NotYet, 0, 3),
                  cell(3, 4, FactState::NotTried)};
    const std::vector<Problem> expected = {{3, 3, 3}, {2, 2, 3}, {2, 3, 3}, {1, 3, 3}, {1, 2, 3}};
    EXPECT_EQ(sheetFacts(grid, 5), expected);
    EXPECT_EQ(sheetFacts(grid).size(), 6u);
    grid.cells = {cell(1, 1, FactState::Known)};
    EXPECT_TRUE(sheetFacts(grid).empty());
}

// The practice sheet is one page: each fact with its answer under "Look", then a line under
// "Copy" and one under "Cover and write". A cancelled printer choice prints nothing.
TEST(FactSheet, PracticeSheetRowsUnderTheirHeadings) {
    FakePrintDevice device;
    cTPrint printer(device);
    printPracticeSheet(printer, threeFacts, 3);
    const QString expected =
        QString("Practice Sheet - Mult|" + nameLine +
                "|Look at the fact, copy it, then cover it and write it.|Look|Copy|Cover and "
                "write|7 \u00D7 8 = 56|%1|%1|11 \u2212 4 = 7|%1|%1|56 \u00F7 8 = 7|%1|%1")
            .arg(line);
    EXPECT_EQ(drawnTexts(device).join('|'), expected);
    EXPECT_EQ(device.drawn[6].y, device.drawn[8].y);
    EXPECT_EQ(device.drawn[8].x, device.drawn[5].x); // under "Cover and write"
    EXPECT_EQ(device.events.count("begin page"), 1);
    FakePrintDevice cancelled;
    cancelled.dialogAnswer = "";
    cTPrint notPrinted(cancelled);
    printPracticeSheet(notPrinted, threeFacts, 3);
    EXPECT_TRUE(cancelled.drawn.empty() && cancelled.events.filter("begin").isEmpty());
}

// The check asks without answers on its page, in two columns; the key answers on a second
// page.
TEST(FactSheet, OneMinuteCheckThenItsKeyOnAPageOfItsOwn) {
    FakePrintDevice device;
    cTPrint printer(device);
    printOneMinuteCheck(printer, threeFacts, 3);
    EXPECT_EQ(drawnTexts(device).join('|'),
              "One-Minute Check - Mult|" + nameLine +
                  "|Time: 1 minute|7 \u00D7 8 = ____|11 \u2212 4 = ____|56 \u00F7 8 = ____|"
                  "Answer Key - One-Minute Check - Mult|7 \u00D7 8 = 56|11 \u2212 4 = 7|"
                  "56 \u00F7 8 = 7");
    EXPECT_EQ(device.events.filter("page").join('|'), "begin page|end page|begin page|end page");
    FakePrintDevice fourFacts; // two in each column: the third leads the right column
    cTPrint fourPrinter(fourFacts);
    std::vector<Problem> four = threeFacts;
    four.push_back({2, 3, 3});
    printOneMinuteCheck(fourPrinter, four, 3);
    EXPECT_GT(fourFacts.drawn[5].x, fourFacts.drawn[3].x);
    EXPECT_EQ(fourFacts.drawn[5].y, fourFacts.drawn[3].y);
}
