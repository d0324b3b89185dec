// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

// The kinds of problems a child can choose. The numbers are stored in student files
// and score records, so they never change.
enum class OperationKind : int {
    None = 0,
    Add = 1,
    Sub = 2,
    Mult = 3,
    Div = 4,
    Mixed = 5,
    AddSub = 6,
    MultDiv = 7,
};

constexpr int firstOperationKind = 1;
constexpr int lastOperationKind = 7;

// True for the values 1 to 7.
bool isOperationKind(int value);

// The English name used in title lines, printed headings and files (the overview's CSV
// headings): "Add", "Sub", "Mult", "Div", "Mixed", "Add/Sub", "Mult/Div". Any other value
// gives the empty text.
std::string opName(OperationKind kind);
std::string opName(int kind);

// The same name as the user reads it, from the catalogue; never for what is written to a file.
QString opText(OperationKind kind);
QString opText(int kind);

// The modes of the practice area.
enum class PracticeMode : int {
    None = 0,
    Learn = 1,
    Drill = 2,
    Test = 3,
    PrintedTest = 4,
};
