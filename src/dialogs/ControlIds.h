// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/DialogButtonId.h"

// The numbers of the controls of the mode option dialogs, the results window and the
// message window. Each widget carries its number as its objectName.

// The option button of OperationKind k has the number optionIdBase + k.
constexpr int optionIdBase = 340;

enum class LearnControlId : int {
    NumberCombo = 317,
    ShowAllAnswers = 111,
};

enum class DrillControlId : int {
    FlashCards = 351,
    SecondsCombo = 352,
    FactPractice = 353,
};

enum class TestOptionsControlId : int {
    TestOnComputer = 221,
    PrintTestPages = 222,
    ReportPrintedTest = 223,
};

enum class MathTestControlId : int {
    MinutesCombo = 321,
    ProblemCount = 323,
};

enum class ResultsControlId : int {
    WrongList = 330,
    CorrectAnswer = 332,
};

enum class MessageControlId : int {
    Text = 9990,
    First = 9991,  // "&Yes" or "&Ok"
    Second = 9992, // "&No" or "&Cancel"
    Third = 9993,  // "Cancel"
    SingleOk = 9994,
};
