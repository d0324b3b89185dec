#pragma once

#include "practice/PracticeControls.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QWidget>

#include <memory>

// The main window's practice controls at their places, as the main window lays them out.
class PracticeAreaForTest {
public:
    PracticeAreaForTest() : window(std::make_unique<QWidget>()) {
        window->setFixedSize(640, 400);
        window->setWindowTitle("Tallyburrow");
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        window->setPalette(palette);
        window->setAutoFillBackground(true);
        controls.window = window.get();
        addToolbar();
        addPracticeControls();
    }

    QWidget* widget() const { return window.get(); }
    PracticeControls controls;

private:
    template <typename T> T* add(int id, int x, int y, int w, int h) {
        auto* control = new T(window.get());
        control->setObjectName(QString::number(id));
        control->setGeometry(x, y, w, h);
        return control;
    }

    QLabel* problemLabel(int id, int x, int w, Qt::Alignment alignment) {
        auto* label = add<QLabel>(id, x, 120, w, 60);
        label->setFont(problemFont());
        label->setAlignment(alignment);
        return label;
    }

    static QFont problemFont() {
        QFont font = QApplication::font();
        font.setPointSize(40);
        font.setBold(true);
        return font;
    }

    static QFont instructionFont() {
        QFont font = QApplication::font();
        font.setPointSize(15);
        font.setBold(true);
        font.setItalic(true);
        return font;
    }

    void addToolbar() {
        const char* captions[] = {"&Learn",  "&Drill", "&Test", "&Report",
                                  "&Config", "&Quit",  "&Help"};
        const int xs[] = {2, 82, 162, 280, 360, 440, 558};
        auto* panel = add<QLabel>(200, 0, 0, 638, 30);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        for (int i = 0; i < 7; ++i) {
            auto* button = add<QPushButton>(201 + i, xs[i], 2, 80, 25);
            button->setText(captions[i]);
            controls.toolbarButtons[static_cast<std::size_t>(i)] = button;
        }
    }

    void addPracticeControls() {
        controls.firstOperandLabel = problemLabel(101, 30, 100, Qt::AlignCenter);
        controls.operatorLabel = problemLabel(103, 150, 60, Qt::AlignCenter);
        controls.secondOperandLabel = problemLabel(102, 230, 100, Qt::AlignCenter);
        controls.equalsLabel = problemLabel(104, 350, 60, Qt::AlignCenter);
        controls.answerLabel = problemLabel(105, 460, 160, Qt::AlignLeft | Qt::AlignVCenter);
        controls.nextButton = add<QPushButton>(107, 440, 320, 180, 30);
        controls.showAnswerButton = add<QPushButton>(108, 440, 360, 180, 30);
        controls.nextButton->setFont(instructionFont());
        controls.showAnswerButton->setFont(instructionFont());
        controls.statusLabel = add<QLabel>(109, 20, 345, 180, 20);
        controls.titleLabel = add<QLabel>(110, 20, 370, 250, 20);
        controls.answerBox = add<QLineEdit>(106, 460, 120, 160, 60);
        controls.answerBox->setFont(problemFont());
        controls.answerBox->setFrame(false);
        controls.answerBox->setAccessibleName("Answer");
        controls.answerBox->setValidator(
            new QRegularExpressionValidator(QRegularExpression("[0-9]*"), controls.answerBox));
        controls.happyImage = add<QLabel>(112, 60, 260, 70, 60);
        controls.happyImage->setAccessibleName("Well done");
        controls.happyImage->setPixmap(
            QApplication::style()->standardIcon(QStyle::SP_DialogYesButton).pixmap(32, 32));
        for (QWidget* hidden : {static_cast<QWidget*>(controls.nextButton),
                                static_cast<QWidget*>(controls.showAnswerButton),
                                static_cast<QWidget*>(controls.answerBox),
                                static_cast<QWidget*>(controls.happyImage)}) {
            hidden->hide();
        }
    }

    std::unique_ptr<QWidget> window;
};
