// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/SpokenPractice.h"
#include "common/DisplayNumbers.h"
#include "common/GrowingLayout.h"
#include "common/ProgramFont.h"
#include "common/ScreenReaderNotice.h"
#include "common/TextFit.h"

#include "dialogs/DrillOptionsDialog.h"
#include "dialogs/LearnOptionsDialog.h"
#include "dialogs/MathTestDialog.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResultsWindow.h"
#include "dialogs/TestOptionsDialog.h"
#include "help/HelpLanguage.h"
#include "help/ShowHelp.h"
#include "printtests/PrintTestDialog.h"
#include "printtests/SaveScoreDialog.h"
#include "records/PackDate.h"
#include "report/ConfigureDialog.h"
#include "report/FluencyMap.h"
#include "report/ProgressReport.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <string>
#include <vector>

// The main window's commands, and the practice engine's view and outcomes on screen.

namespace {
// Seconds per flash card offered by Drill, and minutes offered by Test.
const std::vector<std::string> drillTimeChoices = {"1", "2", "3", "4", "5",
                                                   "6", "7", "8", "9", "10"};
const std::vector<std::string> testTimeChoices = {"1", "2",  "3",  "4",  "5",  "6",  "7", "8",
                                                  "9", "10", "12", "15", "20", "25", "30"};
// The wrong-answer message stands this far right of and below the window's start position.
const QPoint wrongAnswerOffset(350, 250);
constexpr int wrongAnswerStyle = 64;
const QColor wrongAnswerColour(255, 0, 0);

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

int idOf(PracticeFocus focus) {
    switch (focus) {
    case PracticeFocus::AnswerBox:
        return MainId::answerBox;
    case PracticeFocus::AnswerLabel:
        return MainId::answerLabel;
    case PracticeFocus::Learn:
        return MainId::learn;
    case PracticeFocus::Report:
        return MainId::report;
    }
    return MainId::answerLabel;
}

int statusWidth(StatusRoom room) {
    switch (room) {
    case StatusRoom::Wide:
        return statusWidthWide;
    case StatusRoom::Narrow:
        return statusWidthNarrow;
    case StatusRoom::Long:
        return statusWidthLong;
    case StatusRoom::AsBuilt:
        break;
    }
    return statusWidthAsBuilt;
}
} // namespace

void MainWindow::connectActions() {
    connect(actions_.learn, &QAction::triggered, this, &MainWindow::learn);
    connect(actions_.drill, &QAction::triggered, this, &MainWindow::drill);
    connect(actions_.test, &QAction::triggered, this, &MainWindow::test);
    connect(actions_.report, &QAction::triggered, this, &MainWindow::report);
    connect(actions_.config, &QAction::triggered, this, &MainWindow::configure);
    connect(actions_.quit, &QAction::triggered, this, &MainWindow::quit);
    connect(actions_.help, &QAction::triggered, this,
            [this] { openHelp(tr("Tallyburrow help").toStdString()); });
    connect(actions_.next, &QAction::triggered, this,
            [this] { practise([](auto& e) { e.enter(); }); });
    connect(actions_.showAnswer, &QAction::triggered, this,
            [this] { practise([](auto& e) { e.space(); }); });
    connect(actions_.stop, &QAction::triggered, this,
            [this] { practise([](auto& e) { e.escape(); }); });
    // A printed score or a Config change is on the disk at once.
    for (QAction* action : {actions_.test, actions_.config}) {
        connect(action, &QAction::triggered, this, &MainWindow::recordMayHaveChanged);
    }
}

void MainWindow::quit() {
    close(); // the record's owner may keep the window open
    if (isVisible()) {
        returnFocus(); // the child chose to stay
    }
}

void MainWindow::learn() {
    practise([](auto& e) { e.beforeToolbarCommand(ToolbarButton::Learn); });
    const auto choice = askLearnOptions(this, context_.student, engine_.showAllAnswers());
    returnFocus();
    if (choice) {
        practise([&choice](auto& e) {
            e.startLearn(choice->operation, choice->number, choice->showAllAnswers);
        });
    }
}

void MainWindow::drill() {
    practise([](auto& e) { e.beforeToolbarCommand(ToolbarButton::Drill); });
    const auto choice = askDrillOptions(this, drillTimeChoices);
    returnFocus();
    if (choice && choice->factPractice) {
        const std::uint64_t seed = seedFromTimeOfDay(clock_.secondsSinceMidnight());
        practise([&choice, seed, this](auto& e) {
            e.startFactPractice(choice->kind, context_.answers.contents(), seed);
        });
    } else if (choice) {
        practise([&choice](auto& e) {
            e.startDrill(choice->kind, choice->flashCards ? choice->secondsPerCard : 0);
        });
    }
}

void MainWindow::test() {
    practise([](auto& e) { e.beforeToolbarCommand(ToolbarButton::Test); });
    switch (askTestOptions(this)) {
    case TestOptionsChoice::TestOnComputer:
        if (const auto choice = askMathTest(this, testTimeChoices, context_.student)) {
            returnFocus();
            practise([&choice](auto& e) {
                e.startTest(choice->kind, choice->minutes, choice->problemCount);
            });
        }
        break;
    case TestOptionsChoice::PrintTestPages:
        showPrintTestDialog(this, context_.settings, context_.student);
        break;
    case TestOptionsChoice::ReportPrintedTest: {
        const QDate today = QDate::currentDate();
        showSaveScoreDialog(this, context_.student, displayDate(today).toStdString());
        break;
    }
    case TestOptionsChoice::Closed:
        break;
    }
    returnFocus();
}

void MainWindow::report() {
    practise([](auto& e) { e.beforeToolbarCommand(ToolbarButton::Report); });
    showProgressReport(this, context_.student, context_.answers.contents());
    returnFocus();
    practise([](auto& e) { e.reportClosed(); });
}

void MainWindow::configure() {
    practise([](auto& e) { e.beforeToolbarCommand(ToolbarButton::Config); });
    AnswerLimitChoice limit{grownUpLimitMs(context_.answers.contents())};
    int textPercent = chosenTextPercent();
    showConfigureDialog(this, context_.student,
                        QString::fromStdU16String(context_.data.folder.u16string()).toStdString(),
                        &limit, &textPercent);
    returnFocus();
    if (textPercent != chosenTextPercent()) {
        changeTextSize(textPercent);
    }
    if (limit.changed) {
        emit limitChosen({LimitSource::GrownUp, limit.chosenMs, packDate(QDate::currentDate())});
    }
}

void MainWindow::openHelp(const std::string& caption) {
    const std::filesystem::path help = chooseHelpFile(context_.data.helpPath, context_.language);
    ShowHelp(QString::fromStdU16String(help.u16string()).toStdString(), caption, nullptr);
}

// A window the program opened has closed: the keys belong to this window again at once,
// also where no window manager gives the activation back. The window's own focus widget gets
// the keys, as before the window opened; where the engine moves the focus, showView does it.
void MainWindow::returnFocus() {
    activateWindow();
}

void MainWindow::actOn(const PracticeOutcome& outcome) {
    switch (outcome.kind) {
    case PracticeOutcome::Kind::Beep:
        QApplication::beep();
        break;
    case PracticeOutcome::Kind::WrongAnswerMessage:
        showWrongAnswer(outcome);
        break;
    case PracticeOutcome::Kind::TestFinished:
        emit scoreEarned(outcome.record); // on the disk before the results show
        announce(outcome.text);
        showResults(outcome);
        break;
    case PracticeOutcome::Kind::LearnChosen:
        emit learnChosen(outcome.operation, outcome.number);
        break;
    case PracticeOutcome::Kind::Announce:
        announce(outcome.text);
        break;
    case PracticeOutcome::Kind::Answered: // on the disk before the next problem shows
        emit answered(outcome.answer);
        break;
    case PracticeOutcome::Kind::LimitMeasured:
        emit limitChosen(outcome.limit);
        break;
    }
}

// The run waits while the message is open and goes on once it is closed.
void MainWindow::showWrongAnswer(const PracticeOutcome& outcome) {
    const QPoint corner = startPosition_ + wrongAnswerOffset;
    QDialog* message = openMessage(outcome.text, wrongAnswerStyle, outcome.caption, 1, corner.x(),
                                   corner.y(), wrongAnswerColour);
    connect(message, &QDialog::finished, this, [this] {
        returnFocus();
        practise([](auto& e) { e.wrongAnswerMessageClosed(); });
    });
}

void MainWindow::showResults(const PracticeOutcome& outcome) {
    QDialog* results = openResultsWindow(this, outcome.summary);
    connect(results, &QDialog::finished, this, [this] {
        returnFocus();
        practise([](auto& e) { e.resultsClosed(); });
    });
}

// Texts a sighted child learns from the screen itself ("Time's up", the end of a test) are
// said by the screen reader and kept as the status line's description.
void MainWindow::announce(const std::string& text) {
    control(MainId::status)->setAccessibleDescription(qText(text));
    notice_->say({qText(text)});
}

// The large instruction buttons keep their font where the text fits (see TextFit.h).
void MainWindow::showButtonText(int id, const QString& text) {
    auto* button = controlAs<QPushButton>(id);
    if (button->text() != text) {
        button->setText(text);
        fitTextFrom(button, controlFont(ControlFont::Instruction, font()));
    }
}

void MainWindow::showView(const PracticeView& view) {
    showProblem(view);
    auto* box = controlAs<QLineEdit>(MainId::answerBox);
    if (box->text() != qText(view.answerText)) {
        box->setText(qText(view.answerText));
    }
    box->setVisible(view.answerBoxVisible);
    box->setEnabled(view.answerBoxEnabled);
    showButtonText(MainId::next, qText(view.nextText));
    control(MainId::next)->setVisible(view.nextVisible);
    showButtonText(MainId::showAnswer, qText(view.showAnswerText));
    control(MainId::showAnswer)->setVisible(view.showAnswerVisible);
    control(MainId::happy)->setVisible(view.happyVisible);
    auto* status = controlAs<QLabel>(MainId::status);
    status->setText(qText(view.status));
    static_cast<GrowingLayout*>(client_->layout())
        ->setDrawnWidth(status, statusWidth(view.statusRoom));
    controlAs<QLabel>(MainId::title)->setText(qText(view.title));
    for (int id = MainId::learn; id <= MainId::help; ++id) {
        const auto index = static_cast<std::size_t>(id - MainId::learn);
        controlAs<QPushButton>(id)->setDefault(view.defaultLook[index]);
    }
    showTimers(view);
    // Said before the focus moves: the screen reader's reading of the focus comes last and
    // is not cut short.
    speakChanges(view);
    showFocus(view);
}

// What changed on screen since the screen reader last told it, said as one notice; the
// problem is left out where the focus arriving in the answer box reads it.
void MainWindow::speakChanges(const PracticeView& view) {
    QWidget* target = focusTarget(view);
    const bool focusReadsProblem = target != nullptr && target != QApplication::focusWidget() &&
                                   target == control(MainId::answerBox);
    QStringList texts;
    for (const std::string& text : spokenChanges(spokenView_, view, focusReadsProblem)) {
        texts << qText(text);
    }
    if (view.timeBarShown && spokenView_.timeBarShown) {
        const std::string timeLeft =
            timeLeftNotice(view.timeBarMaximum, spokenView_.timeBarPosition, view.timeBarPosition);
        if (!timeLeft.empty()) {
            texts << qText(timeLeft);
        }
    }
    spokenView_ = view;
    notice_->say(texts);
}

// The problem's parts, and the whole problem as one sentence for screen readers: it names
// the problem area and describes the answer box, and a change is announced.
void MainWindow::showProblem(const PracticeView& view) {
    controlAs<QLabel>(MainId::firstOperand)->setText(qText(view.firstOperand));
    controlAs<QLabel>(MainId::operatorSign)->setText(qText(view.operatorText));
    controlAs<QLabel>(MainId::secondOperand)->setText(qText(view.secondOperand));
    controlAs<QLabel>(MainId::equals)->setText(qText(view.equals));
    auto* answer = controlAs<QLabel>(MainId::answerLabel);
    answer->setText(qText(view.answerLabel));
    const QString spoken = qText(view.spokenProblem);
    QWidget* problem = control(MainId::problem);
    if (problem->accessibleName() != spoken) {
        problem->setAccessibleName(spoken); // sends the name change screen readers follow
        control(MainId::answerBox)->setAccessibleDescription(spoken);
    }
    const QString answerName = qText(answerLabelName(view));
    if (answer->accessibleName() != answerName) {
        answer->setAccessibleName(answerName);
    }
}

void MainWindow::showTimers(const PracticeView& view) {
    auto* bar = controlAs<QProgressBar>(MainId::timeBar);
    bar->setRange(0, view.timeBarMaximum);
    bar->setValue(view.timeBarPosition);
    const QString barName = qText(timeBarName(view.timeBarPosition, view.timeBarMaximum));
    if (view.timeBarShown && bar->accessibleName() != barName) {
        bar->setAccessibleName(barName);
    }
    bar->setVisible(view.timeBarShown);
    if (view.testTimerRunning != testTimer_.isActive()) {
        view.testTimerRunning ? testTimer_.start() : testTimer_.stop();
    }
    if (view.flashPeriodMs == 0) {
        flashTimer_.stop();
    } else if (!flashTimer_.isActive()) { // a run's period never changes while it runs
        flashTimer_.start(view.flashPeriodMs);
    }
}

// The control the engine moves the focus to in this view, or null.
QWidget* MainWindow::focusTarget(const PracticeView& view) const {
    if (view.focusMoves == focusMovesShown_) {
        return nullptr;
    }
    QWidget* target = control(idOf(view.focus));
    return target->isHidden() ? nullptr : target;
}

void MainWindow::showFocus(const PracticeView& view) {
    QWidget* target = focusTarget(view);
    focusMovesShown_ = view.focusMoves;
    if (target != nullptr) {
        target->setFocus(Qt::OtherFocusReason);
    }
}
