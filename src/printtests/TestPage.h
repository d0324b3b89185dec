// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/OperationKind.h"
#include "practice/ProblemList.h"
#include "records/StudentRecord.h"

#include <QString>

class cTPrint;

// The heading of a test page: "Test No." + the number with its sign place + " - " + the
// kind's name, for example "Test No. 12 - Mult/Div".
QString testPageHeading(int testNumber, OperationKind kind);

// Prints one test page of 70 problems (10 rows of 7) on a fresh printer object: asks for
// the printer with the copies preset (at least 1) and prints nothing when that is
// cancelled. The problems follow from the test number, so printing the same number again
// (for example withAnswers, as the answer key) gives the same page. A kind with no problems
// prints the heading alone.
void printTestPage(cTPrint& printer, int testNumber, int copies, bool withAnswers,
                   OperationKind kind, const StudentRecord& student, RandomGenerator& random);
