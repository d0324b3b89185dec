// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <array>

// The main window's controls. Each widget carries its number as its objectName; the
// builder and the layout test both read this one table, in creation order (which is also
// the Tab order and the stacking order).
enum class MainControlKind {
    Panel,         // the sunken strip behind the toolbar
    ToolbarButton, // runs the command of its own number
    Problem,       // holds the problem labels; read as one sentence by screen readers
    ProblemLabel,  // a part of the problem, centred, in the problem font
    AnswerLabel,   // the answer shown in place of the answer box
    PracticeButton,
    TextLabel, // the status and title lines
    AnswerBox,
    HappyImage,
    TimeBar,
};

enum class ControlFont { Standard, Problem, Instruction };

struct MainWindowControl {
    int id;
    MainControlKind kind;
    const char* text;
    QRect rect; // in the client area, also for the labels inside the problem
    ControlFont font = ControlFont::Standard;
    bool shownAtStart = true;
};

namespace MainId {
constexpr int firstOperand = 101, secondOperand = 102, operatorSign = 103, equals = 104;
constexpr int answerLabel = 105, answerBox = 106, next = 107, showAnswer = 108;
constexpr int status = 109, title = 110, happy = 112, problem = 100;
constexpr int panel = 200, learn = 201, drill = 202, test = 203, report = 204, config = 205,
              quit = 206, help = 207, timeBar = 329;
// Commands without a control of their own: the keys of the practice area.
constexpr int enterKey = 113, spaceKey = 114, escapeKey = 208;
} // namespace MainId

inline const std::array<MainWindowControl, 21> mainWindowControls = {{
    {MainId::panel, MainControlKind::Panel, "", {0, 0, 638, 30}},
    {MainId::learn, MainControlKind::ToolbarButton, "&Learn", {2, 2, 80, 25}},
    {MainId::drill, MainControlKind::ToolbarButton, "&Drill", {82, 2, 80, 25}},
    {MainId::test, MainControlKind::ToolbarButton, "&Test", {162, 2, 80, 25}},
    {MainId::report, MainControlKind::ToolbarButton, "&Report", {280, 2, 80, 25}},
    {MainId::config, MainControlKind::ToolbarButton, "&Config", {360, 2, 80, 25}},
    {MainId::quit, MainControlKind::ToolbarButton, "&Quit", {440, 2, 80, 25}},
    {MainId::help, MainControlKind::ToolbarButton, "&Help", {558, 2, 80, 25}},
    {MainId::problem, MainControlKind::Problem, "", {30, 120, 380, 60}},
    {MainId::firstOperand,
     MainControlKind::ProblemLabel,
     "",
     {30, 120, 100, 60},
     ControlFont::Problem},
    {MainId::operatorSign,
     MainControlKind::ProblemLabel,
     "",
     {150, 120, 60, 60},
     ControlFont::Problem},
    {MainId::secondOperand,
     MainControlKind::ProblemLabel,
     "",
     {230, 120, 100, 60},
     ControlFont::Problem},
    {MainId::equals, MainControlKind::ProblemLabel, "", {350, 120, 60, 60}, ControlFont::Problem},
    {MainId::answerLabel,
     MainControlKind::AnswerLabel,
     "",
     {460, 120, 160, 60},
     ControlFont::Problem},
    {MainId::next,
     MainControlKind::PracticeButton,
     "",
     {440, 320, 180, 30},
     ControlFont::Instruction,
     false},
    {MainId::showAnswer,
     MainControlKind::PracticeButton,
     "",
     {440, 360, 180, 30},
     ControlFont::Instruction,
     false},
    {MainId::status, MainControlKind::TextLabel, "", {20, 345, 180, 20}},
    {MainId::title, MainControlKind::TextLabel, "", {20, 370, 250, 20}},
    {MainId::answerBox,
     MainControlKind::AnswerBox,
     "",
     {460, 120, 160, 60},
     ControlFont::Problem,
     false},
    {MainId::happy,
     MainControlKind::HappyImage,
     "",
     {60, 260, 70, 60},
     ControlFont::Standard,
     false},
    // Beside "Time:", shown only while a test runs.
    {MainId::timeBar,
     MainControlKind::TimeBar,
     "",
     {60, 345, 300, 20},
     ControlFont::Standard,
     false},
}};

// Widths of the status line: as built, room for the texts of Learn and Drill, or narrow up
// to the time bar (x 60) with room for "Time:". With a 10-point sans face 180 pixels cut the
// dots off "Correct answer - very good...", so the wide width is 200.
constexpr int statusWidthAsBuilt = 180;
constexpr int statusWidthWide = 200;
constexpr int statusWidthNarrow = 40;
// The end of a fact practice ("You learned 12 x 12, 11 x 12, 12 x 11 and 10 x 12 today!"):
// up to the instruction buttons at x 440.
constexpr int statusWidthLong = 400;
