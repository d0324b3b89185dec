#pragma once

// Numbers of the main window's controls that the practice engine drives. Every widget
// carries its number as its objectName.
enum class ControlId : int {
    None = 0,
    FirstOperand = 101,
    SecondOperand = 102,
    Operator = 103,
    Equals = 104,
    AnswerLabel = 105,
    AnswerBox = 106,
    NextButton = 107,
    ShowAnswerButton = 108,
    StatusLabel = 109,
    TitleLabel = 110,
    HappyImage = 112,
    ToolbarPanel = 200,
    LearnButton = 201,
    DrillButton = 202,
    TestButton = 203,
    ReportButton = 204,
    ConfigButton = 205,
    QuitButton = 206,
    HelpButton = 207,
    TimeBar = 329,
};

// Commands of the main window that the practice engine handles or sends.
namespace PracticeCommand {
constexpr int learn = 201;
constexpr int drill = 202;
constexpr int test = 203;
constexpr int report = 204;
constexpr int config = 205;
constexpr int quit = 206;
constexpr int help = 207;
constexpr int escape = 208;
constexpr int enter = 113;
constexpr int space = 114;
constexpr int next = 301;
constexpr int showAnswer = 302;
} // namespace PracticeCommand

constexpr bool isToolbarButton(ControlId id) {
    return static_cast<int>(id) >= PracticeCommand::learn &&
           static_cast<int>(id) <= PracticeCommand::help;
}

// Widths of statusLabel: room for the texts of Learn and Drill, or for "Time:" beside the
// time bar of a test. With a 10-point sans face 180 pixels cut the dots off "Correct answer
// - very good..." and 30 pixels cut the colon off "Time:", so the wide width is 200 and the
// narrow one reaches up to the bar (x 60).
constexpr int wideStatusWidth = 200;
constexpr int narrowStatusWidth = 40;
