#pragma once

// Control and command numbers of the main window. Each widget carries its number as its
// objectName.
namespace MainControlId {
constexpr int firstOperandLabel = 101;
constexpr int secondOperandLabel = 102;
constexpr int operatorLabel = 103;
constexpr int equalsLabel = 104;
constexpr int answerLabel = 105;
constexpr int answerBox = 106;
constexpr int nextButton = 107;
constexpr int showAnswerButton = 108;
constexpr int statusLabel = 109;
constexpr int titleLabel = 110;
constexpr int happyImage = 112;
constexpr int toolbarPanel = 200;
constexpr int learnButton = 201;
constexpr int drillButton = 202;
constexpr int testButton = 203;
constexpr int reportButton = 204;
constexpr int configButton = 205;
constexpr int quitButton = 206;
constexpr int helpButton = 207;
} // namespace MainControlId

namespace MainCommand {
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
} // namespace MainCommand
