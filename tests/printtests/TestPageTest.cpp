// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/TestPage.h"
#include "print/FakePrintDevice.h"
#include "print/cTPrint.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Drawn = FakePrintDevice::Drawn;

StudentRecord studentWithRanges(int addSubLow, int addSubHigh, int mulDivLow, int mulDivHigh) {
    StudentRecord student;
    student.addSubLow = addSubLow;
    student.addSubHigh = addSubHigh;
    student.mulDivLow = mulDivLow;
    student.mulDivHigh = mulDivHigh;
    student.mixedLow = std::min(addSubLow, mulDivLow);
    student.mixedHigh = std::max(addSubHigh, mulDivHigh);
    return student;
}

void printPage(FakePrintDevice& device, int testNumber, bool withAnswers, OperationKind kind,
               const StudentRecord& student, int copies = 1) {
    cTPrint printer(device);
    RandomGenerator random;
    printTestPage(printer, testNumber, copies, withAnswers, kind, student, random);
}

// Div 1..5 has 10 problems: the cells run through the list row by row, each on its anchor
// (rows 0.9 inch apart, columns 1 inch), and each pass after the first is the list
// reshuffled with the test number. The key is the plain page (the test number alone decides
// it) with each answer after its equals sign.
TEST(TestPage, ShortListFillsTheGridPassAfterPassAndTheKeyAddsOnlyAnswers) {
    const StudentRecord student = studentWithRanges(0, 12, 1, 5);
    RandomGenerator random;
    auto list =
        buildProblemList(OperationKind::Div, PracticeMode::PrintedTest, student, 0, random, 9);
    ASSERT_EQ(list.size(), 10u);
    std::vector<Problem> expected;
    for (int pass = 0; pass < 7; ++pass) {
        expected.insert(expected.end(), list.begin(), list.end());
        random.seed(9);
        shuffleProblemList(list, random);
    }
    FakePrintDevice key;
    FakePrintDevice plain;
    printPage(key, 9, true, OperationKind::Div, student);
    printPage(plain, 9, false, OperationKind::Div, student);
    ASSERT_EQ(key.drawn.size(), 1u + 70u * 4u); // heading, then four texts per problem
    for (std::size_t cell = 0; cell < 70; ++cell) {
        Drawn* drawn = &key.drawn[1 + cell * 4];
        EXPECT_EQ(drawn[1].text.trimmed().toInt(), expected[cell].first) << cell;
        EXPECT_EQ(drawn[2].text.trimmed().toInt(), expected[cell].second) << cell;
        EXPECT_EQ(drawn[3].text,
                  "=" + QString::number(expected[cell].first / expected[cell].second));
        const double colX = 1.2 + 1.0 * static_cast<double>(cell % 7);
        const double rowY = 1.5 + 0.9 * static_cast<double>(cell / 7);
        EXPECT_EQ(drawn[3].x, static_cast<int>((colX + 0.125) * 600 + 0.5) - 150);
        EXPECT_EQ(drawn[3].y, static_cast<int>((rowY + 0.12) * 600 + 0.5) - 120);
        drawn[3].text = "=";
    }
    EXPECT_EQ(key.drawnAt(), plain.drawnAt());
}

// An empty list prints the heading alone, centred across the 8.5-inch letter width; a cancelled
// printer choice prints nothing; the copies (at least one) go to the printer, on one page.
TEST(TestPage, EmptyListCancelAndCopies) {
    FakePrintDevice empty;
    printPage(empty, 4, true, OperationKind::Sub, studentWithRanges(9, 3, 1, 12));
    EXPECT_EQ(empty.drawnAt(), "1920,330 Test No. 4 - Sub");
    EXPECT_EQ(empty.events.back(), "release");
    const StudentRecord student = studentWithRanges(0, 12, 1, 12);
    FakePrintDevice cancelled;
    cancelled.dialogAnswer = "";
    printPage(cancelled, 4, false, OperationKind::Add, student);
    EXPECT_EQ(cancelled.drawnAt() + cancelled.events.join('|'), "");
    FakePrintDevice none;
    printPage(none, 1, false, OperationKind::Add, student, 0);
    EXPECT_EQ(none.dialogCopies, 1);
    FakePrintDevice three;
    printPage(three, 1, false, OperationKind::Add, student, 3);
    EXPECT_EQ(three.dialogCopies, 3);
    EXPECT_EQ(three.jobCopies, 3);
    EXPECT_EQ(three.events.count("begin page"), 1);
}

} // namespace
