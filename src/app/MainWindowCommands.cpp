#include "app/MainWindow.h"

#include "dialogs/DrillOptionsDialog.h"
#include "dialogs/LearnOptionsDialog.h"
#include "dialogs/MathTestDialog.h"
#include "dialogs/TestOptionsDialog.h"
#include "help/ShowHelp.h"
#include "printtests/PrintTestDialog.h"
#include "printtests/SaveScoreDialog.h"
#include "records/PackDate.h"
#include "report/ConfigureDialog.h"
#include "report/ProgressReport.h"

#include <QDate>
#include <QPushButton>

#include <string>
#include <vector>

// The main window's commands: the toolbar buttons and the keys of the practice area.

namespace {
// Seconds per flash card offered by Drill, and minutes offered by Test.
const std::vector<std::string> drillTimeChoices = {"1", "2", "3", "4", "5",
                                                   "6", "7", "8", "9", "10"};
const std::vector<std::string> testTimeChoices = {"1", "2",  "3",  "4",  "5",  "6",  "7", "8",
                                                  "9", "10", "12", "15", "20", "25", "30"};
} // namespace

void MainWindow::command(int id) {
    switch (id) {
    case PracticeCommand::learn:
        learn();
        break;
    case PracticeCommand::drill:
        drill();
        break;
    case PracticeCommand::test:
        test();
        break;
    case PracticeCommand::report:
        report();
        break;
    case PracticeCommand::config:
        configure();
        break;
    case PracticeCommand::quit:
        close();
        break;
    case PracticeCommand::help:
        openHelp("Tallyburrow help");
        break;
    case PracticeCommand::escape:
        engine_->cmdEscape();
        break;
    case PracticeCommand::enter:
        engine_->cmdEnter();
        break;
    case PracticeCommand::space:
        engine_->cmdSpace();
        break;
    case PracticeCommand::next:
        engine_->cmdNext();
        break;
    case PracticeCommand::showAnswer:
        engine_->cmdShowAnswer();
        break;
    default:
        break;
    }
}

void MainWindow::learn() {
    engine_->beforeToolbarCommand(PracticeCommand::learn);
    const auto choice = askLearnOptions(this, context_.student, engine_->state().showAllAnswers);
    if (choice) {
        engine_->startLearn(choice->operation, choice->number, choice->showAllAnswers);
    } else {
        engine_->setMode(PracticeMode::None);
    }
}

void MainWindow::drill() {
    engine_->beforeToolbarCommand(PracticeCommand::drill);
    const auto choice = askDrillOptions(this, drillTimeChoices);
    if (choice) {
        engine_->startDrill(choice->kind, choice->flashCards ? choice->secondsPerCard : 0);
    } else {
        engine_->setMode(PracticeMode::None);
    }
}

void MainWindow::test() {
    engine_->beforeToolbarCommand(PracticeCommand::test);
    switch (askTestOptions(this)) {
    case TestOptionsChoice::TestOnComputer:
        engine_->setMode(PracticeMode::Test);
        if (const auto choice = askMathTest(this, testTimeChoices, context_.student)) {
            engine_->startTest(choice->kind, choice->minutes, choice->problemCount);
        } else {
            engine_->setMode(PracticeMode::None);
        }
        break;
    case TestOptionsChoice::PrintTestPages:
        engine_->setMode(PracticeMode::PrintedTest);
        showPrintTestDialog(this, context_.settings, context_.student);
        engine_->setMode(PracticeMode::None);
        break;
    case TestOptionsChoice::ReportPrintedTest: {
        const QDate today = QDate::currentDate();
        showSaveScoreDialog(this, context_.student,
                            dateText(today.year(), today.month(), today.day()));
        engine_->setMode(PracticeMode::None);
        break;
    }
    case TestOptionsChoice::Closed:
        break;
    }
}

void MainWindow::report() {
    engine_->beforeToolbarCommand(PracticeCommand::report);
    showProgressReport(this, context_.student);
    controls_.toolbarButtons[0]->setDefault(true);
}

void MainWindow::configure() {
    engine_->beforeToolbarCommand(PracticeCommand::config);
    showConfigureDialog(this, context_.student,
                        QString::fromStdU16String(context_.data.folder.u16string()).toStdString());
}

void MainWindow::openHelp(const std::string& caption) {
    ShowHelp(QString::fromStdU16String(context_.data.helpPath.u16string()).toStdString(), caption,
             nullptr);
}
