// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/PracticeScreen.h"
#include "practice/ProblemList.h"
#include "practice/WrongAnswer.h"

#include <QtGlobal>

#include <string>
#include <vector>

// The texts of the practice area, as written in the source: the catalogue's keys under the
// context "PracticeText". shownText gives them as the user reads them.
namespace PracticeText {
inline constexpr char begin[] = QT_TRANSLATE_NOOP("PracticeText", "Enter --> Begin");
inline constexpr char next[] = QT_TRANSLATE_NOOP("PracticeText", "Enter --> Next");
inline constexpr char stop[] = QT_TRANSLATE_NOOP("PracticeText", "Stop");
inline constexpr char showAnswer[] = QT_TRANSLATE_NOOP("PracticeText", "Space --> Answer");
inline constexpr char correct[] =
    QT_TRANSLATE_NOOP("PracticeText", "Correct answer - very good...");
inline constexpr char equals[] = " = ";
inline constexpr char time[] = QT_TRANSLATE_NOOP("PracticeText", "Time:");
inline constexpr char wrongCaption[] = QT_TRANSLATE_NOOP("PracticeText", "*** WRONG ANSWER ***");
inline constexpr char timeUp[] = QT_TRANSLATE_NOOP("PracticeText", "Time's up");
inline constexpr char slow[] = QT_TRANSLATE_NOOP("PracticeText", "Right! Next time faster.");
inline constexpr char typeTheNumber[] =
    QT_TRANSLATE_NOOP("PracticeText", "Type the number you see");
inline constexpr char typingDone[] = QT_TRANSLATE_NOOP("PracticeText", "All typed - thank you!");
inline constexpr char typingTitle[] = QT_TRANSLATE_NOOP("PracticeText", "Typing check");
} // namespace PracticeText

// One of the texts above as the user reads it, from the catalogue.
std::string shownText(const char* text);

// "Learning for number 7  (Mult)"
std::string learnTitle(int learnNumber, int kind);
// "Drill Mode - Mixed"
std::string drillTitle(int kind);
// "  (3 correct out of 4)"
std::string countLine(int correctCount, int askedCount);
// "Test Mode - Add  (3 correct out of 4)"
std::string testTitle(int kind, int correctCount, int askedCount);
// The title line as a screen reader says it: the whole title ("Learning for number 7, Mult",
// "Test Mode - Add, 3 correct out of 4"), or the counts alone ("3 correct out of 4").
std::string spokenTitle(const TitleLine& title);
std::string spokenCounts(const TitleLine& title);
// CR LF "  Correct answer is: " " 14"
std::string wrongAnswerBody(int answer);
// " 7  x  8  =  54" and " 56"
WrongAnswer wrongAnswerEntry(const Problem& problem, const std::string& typed);
// What a screen reader says for a problem: "7 times 2 equals", then the answer if shown.
std::string spokenProblem(const Problem& problem, const std::string& answerShown);
// "Test over: 11 correct out of 12"
std::string testOverText(int correctCount, int problemCount);
// "Facts to learn - Mult"
std::string factsTitle(int operation);
// "Not quite: the answer is 56"
std::string wrongFactText(int answer);
// A fact as problems are written: "7 x 8", "56 / 8".
std::string factText(const Problem& fact);
// The end of a fact practice: "You learned 7 x 8 and 6 x 7 today!"; with no fact learned a
// word of encouragement, or praise when there was no fact to ask at all.
std::string factPracticeOverText(const std::vector<Problem>& learned, bool nothingAsked);
