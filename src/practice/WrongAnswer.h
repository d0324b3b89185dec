// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// One wrong answer of an on-screen test, as the results window lists it.
struct WrongAnswer {
    std::string problemText; // " 7  x  8  =  54": operands with their sign place, as typed
    std::string correctText; // " 56": the correct answer with its sign place
};
