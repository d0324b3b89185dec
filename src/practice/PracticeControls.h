#pragma once

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The main window's widgets that the practice engine drives.
struct PracticeControls {
    QWidget* window = nullptr;
    std::array<QPushButton*, 7> toolbarButtons{}; // ids 201 (Learn) to 207 (Help)
    QLabel* firstOperandLabel = nullptr;          // 101
    QLabel* secondOperandLabel = nullptr;         // 102
    QLabel* operatorLabel = nullptr;              // 103
    QLabel* equalsLabel = nullptr;                // 104
    QLabel* answerLabel = nullptr;                // 105
    QLineEdit* answerBox = nullptr;               // 106
    QPushButton* nextButton = nullptr;            // 107
    QPushButton* showAnswerButton = nullptr;      // 108
    QLabel* statusLabel = nullptr;                // 109
    QLabel* titleLabel = nullptr;                 // 110
    QLabel* happyImage = nullptr;                 // 112
};
