#include "practice/QtPracticeScreen.h"

#include "practice/PracticeEngine.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr int testTickMs = 1000;
constexpr int statusHeight = 20;
const QRect timeBarRect(60, 345, 300, 20);
const QRect answerArea(460, 120, 160, 80); // left 460, top 120, right 620, bottom 200

QString toQt(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

QtPracticeScreen::QtPracticeScreen(const PracticeControls& controls,
                                   WrongAnswerHook showWrongAnswer, ResultsHook showResults,
                                   QObject* parent)
    : QObject(parent), controls(controls), wrongAnswerHook(std::move(showWrongAnswer)),
      resultsHook(std::move(showResults)) {
    testTicks.setInterval(testTickMs);
}

void QtPracticeScreen::attach(PracticeEngine& practiceEngine) {
    engine = &practiceEngine;
    connect(controls.answerBox, &QLineEdit::textChanged, this, [this] { engine->answerChanged(); });
    connect(&testTicks, &QTimer::timeout, this, [this] { engine->timerTick(); });
    connect(&flashTicks, &QTimer::timeout, this, [this] { engine->timerTick(); });
    connect(controls.nextButton, &QPushButton::clicked, this, [this] { engine->cmdEnter(); });
    connect(controls.showAnswerButton, &QPushButton::clicked, this, [this] { engine->cmdSpace(); });
}

QWidget* QtPracticeScreen::widget(ControlId id) const {
    switch (id) {
    case ControlId::FirstOperand:
        return controls.firstOperandLabel;
    case ControlId::SecondOperand:
        return controls.secondOperandLabel;
    case ControlId::Operator:
        return controls.operatorLabel;
    case ControlId::Equals:
        return controls.equalsLabel;
    case ControlId::AnswerLabel:
        return controls.answerLabel;
    case ControlId::AnswerBox:
        return controls.answerBox;
    case ControlId::NextButton:
        return controls.nextButton;
    case ControlId::ShowAnswerButton:
        return controls.showAnswerButton;
    case ControlId::StatusLabel:
        return controls.statusLabel;
    case ControlId::TitleLabel:
        return controls.titleLabel;
    case ControlId::HappyImage:
        return controls.happyImage;
    case ControlId::TimeBar:
        return bar;
    default:
        if (isToolbarButton(id)) {
            return controls.toolbarButtons[static_cast<std::size_t>(
                static_cast<int>(id) - static_cast<int>(ControlId::LearnButton))];
        }
        return nullptr;
    }
}

void QtPracticeScreen::setText(ControlId id, const std::string& text) {
    QWidget* target = widget(id);
    const QString newText = toQt(text);
    if (auto* box = qobject_cast<QLineEdit*>(target)) {
        if (box->text() == newText) {
            // The box reports every setting of its text, even to the same text.
            if (engine != nullptr) {
                engine->answerChanged();
            }
            return;
        }
        box->setText(newText);
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(newText);
    } else if (auto* button = qobject_cast<QPushButton*>(target)) {
        button->setText(newText);
    }
}

std::string QtPracticeScreen::text(ControlId id) const {
    QWidget* target = widget(id);
    if (auto* box = qobject_cast<QLineEdit*>(target)) {
        return box->text().toStdString();
    }
    if (auto* label = qobject_cast<QLabel*>(target)) {
        return label->text().toStdString();
    }
    if (auto* button = qobject_cast<QPushButton*>(target)) {
        return button->text().toStdString();
    }
    return {};
}

void QtPracticeScreen::setVisible(ControlId id, bool visible) {
    if (QWidget* target = widget(id)) {
        target->setVisible(visible);
    }
}

void QtPracticeScreen::setEnabled(ControlId id, bool enabled) {
    if (QWidget* target = widget(id)) {
        target->setEnabled(enabled);
    }
}

void QtPracticeScreen::setFocus(ControlId id) {
    QWidget* target = widget(id);
    if (target != nullptr && !target->isHidden()) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

ControlId QtPracticeScreen::focusedControl() const {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) {
        return ControlId::None;
    }
    for (int id = static_cast<int>(ControlId::FirstOperand);
         id <= static_cast<int>(ControlId::HelpButton); ++id) {
        if (widget(static_cast<ControlId>(id)) == focused) {
            return static_cast<ControlId>(id);
        }
    }
    return ControlId::None;
}

void QtPracticeScreen::setDefaultLook(ControlId toolbarButton, bool isDefault) {
    if (auto* button = qobject_cast<QPushButton*>(widget(toolbarButton))) {
        button->setDefault(isDefault);
    }
}

void QtPracticeScreen::setStatusLabelWidth(int width) {
    controls.statusLabel->resize(width, statusHeight);
}

void QtPracticeScreen::createTimeBar(int maximumSeconds) {
    destroyTimeBar();
    bar = new QProgressBar(controls.window);
    bar->setObjectName(QString::number(static_cast<int>(ControlId::TimeBar)));
    bar->setAccessibleName(tr("Time used"));
    bar->setGeometry(timeBarRect);
    bar->setTextVisible(false);
    bar->setRange(0, std::max(maximumSeconds, 0));
    bar->setValue(0);
    bar->show();
}

void QtPracticeScreen::destroyTimeBar() {
    delete bar.data();
}

void QtPracticeScreen::setTimeBarPosition(int seconds) {
    if (bar != nullptr) {
        // A value outside the range would be ignored: a late tick shows a full bar.
        bar->setValue(std::clamp(seconds, bar->minimum(), bar->maximum()));
    }
}

void QtPracticeScreen::startTestTimer() {
    testTicks.start();
}

void QtPracticeScreen::stopTestTimer() {
    testTicks.stop();
}

void QtPracticeScreen::startFlashTimer(int periodMs) {
    flashTicks.start(periodMs);
}

void QtPracticeScreen::stopFlashTimer() {
    flashTicks.stop();
}

void QtPracticeScreen::beep() {
    QApplication::beep();
}

void QtPracticeScreen::repaintAnswerArea() {
    controls.window->update(answerArea);
}

void QtPracticeScreen::showWrongAnswerMessage(const std::string& text, const std::string& caption,
                                              int x, int y) {
    if (wrongAnswerHook) {
        wrongAnswerHook(text, caption, x, y);
    }
}

void QtPracticeScreen::showResults(const ResultsSummary& summary) {
    if (resultsHook) {
        resultsHook(summary);
    }
}
