// The whole program driven by keys and clicks: Learn, Drill, the on-screen test, the
// printed-test windows, Report, Config, Help and quitting, checked on screen and on disk.

#include "ProgramDriver.h"

#include "help/HelpSource.h"
#include "practice/PracticeIds.h"
#include "records/PackDate.h"
#include "records/StudentFile.h"

#include "support/TempFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

namespace fs = std::filesystem;

namespace {
constexpr int firstOperand = 101;
constexpr int secondOperand = 102;
constexpr int operatorLabel = 103;
constexpr int equalsLabel = 104;
constexpr int answerLabel = 105;
constexpr int answerBox = 106;
constexpr int nextButton = 107;
constexpr int statusLabel = 109;
constexpr int titleLabel = 110;
constexpr int happyImage = 112;
constexpr int timeBar = 329;

constexpr int learnButton = 201;
constexpr int reportButton = 204;
constexpr int helpButton = 207;

constexpr int okButton = 1;
constexpr int cancelButton = 2;

void writeHelpFile(const fs::path& folder) {
    const std::vector<HelpTopic> topics = {
        HelpTopic{"Type your name and press Enter.", "Getting started", 0},
        HelpTopic{"Press L and choose a number.", "Learning a table", 1}};
    writeBytes(folder / "tallyburrow.ahp", encodeHelpFile(topics));
}

QString text(QWidget* window, int id) {
    QWidget* widget = control<QWidget>(window, id);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return button->text();
    }
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        return box->text();
    }
    return QStringLiteral("<no control %1>").arg(id);
}

bool shown(QWidget* window, int id) {
    QWidget* widget = control<QWidget>(window, id);
    return widget != nullptr && widget->isVisible();
}

// The problem on screen: first operand, operator, second operand.
QString problemOnScreen(QWidget* window) {
    return text(window, firstOperand) + text(window, operatorLabel) + text(window, secondOperand);
}

// The answer of the problem on screen, worked out from what the labels show.
int answerOnScreen(QWidget* window) {
    const int first = text(window, firstOperand).toInt();
    const int second = text(window, secondOperand).toInt();
    const QString op = text(window, operatorLabel).trimmed();
    if (op == "+") {
        return first + second;
    }
    if (op == "-") {
        return first - second;
    }
    if (op == "x") {
        return first * second;
    }
    return second == 0 ? 0 : first / second;
}

std::uint16_t today() {
    const QDate date = QDate::currentDate();
    return packDate(dateText(date.year(), date.month(), date.day()));
}

void clickControl(QWidget* parent, int id) {
    QWidget* widget = control<QWidget>(parent, id);
    QVERIFY2(widget != nullptr, qPrintable(QString::number(id)));
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Moves a drop-down list to the entry `entry` with Home and Down, as the keyboard would.
void chooseEntry(QComboBox* combo, const QString& entry) {
    QVERIFY(combo != nullptr);
    const int index = combo->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int step = 0; step < index; ++step) {
        QTest::keyClick(combo, Qt::Key_Down);
    }
    QCOMPARE(combo->currentText(), entry);
}

// Press L and confirm the Learn dialog with `number` and the operation option `operation`.
void startLearn(const QString& number, int operation) {
    bool answered = false;
    whenModalOpens([&](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Learn Math Tables"));
        chooseEntry(control<QComboBox>(dialog, 317), number);
        clickControl(dialog, 340 + operation);
        QTest::keyClick(keyTarget(), Qt::Key_Return);
        answered = true;
    });
    press(Qt::Key_L);
    QVERIFY(answered);
}

// Press T, "Take test on computer", choose the minutes and the kind, Ok.
void startTest(const QString& minutes, int kind, QString* countShown = nullptr) {
    bool answered = false;
    whenModalOpens([&](QWidget* options) {
        QCOMPARE(options->windowTitle(), QStringLiteral("Test Options"));
        whenModalOpens(
            [&](QWidget* mathTest) {
                QCOMPARE(mathTest->windowTitle(), QStringLiteral("Math Test"));
                chooseEntry(control<QComboBox>(mathTest, 321), minutes);
                clickControl(mathTest, 340 + kind);
                if (countShown != nullptr) {
                    *countShown = text(mathTest, 323);
                }
                QTest::keyClick(keyTarget(), Qt::Key_Return);
                answered = true;
            },
            options);
        clickControl(options, 221);
    });
    press(Qt::Key_T);
    QVERIFY(answered);
}

// Types the right answer of the problem on screen, or `wrong` when given, then Enter.
void answerTestProblem(MainWindow* window, const QString& typed) {
    QCOMPARE(focusedWidget(), control<QWidget>(window, answerBox));
    typeKeys(typed);
    press(Qt::Key_Return);
}

struct ResultsSeen {
    QString caption;
    QString score;
    QStringList wrongList;
    QString answerOfFirst; // the "Ans:" box after the first wrong answer was clicked
};

// Reads the Results window when it opens, clicks the first wrong answer, closes it with Ok.
void readResultsWhenTheyOpen(ResultsSeen& seen) {
    whenModalOpens([&seen](QWidget* results) {
        seen.caption = results->windowTitle();
        seen.score = results->findChild<QLabel*>(QStringLiteral("scoreLabel"))->text();
        auto* list = control<QListWidget>(results, 330);
        for (int row = 0; row < list->count(); ++row) {
            seen.wrongList << list->item(row)->text();
        }
        if (list->count() > 0) {
            const QRect first = list->visualItemRect(list->item(0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
            seen.answerOfFirst = control<QLineEdit>(results, 332)->text();
            saveShot(results, QStringLiteral("e2e-results"));
        }
        clickControl(results, okButton);
    });
}

// The rows of the progress report as the list shows them, read when it opens; Escape closes it.
void readReportWhenItOpens(QStringList& rows, QString& caption) {
    whenModalOpens([&rows, &caption](QWidget* report) {
        caption = report->windowTitle();
        auto* table = control<QTreeWidget>(report, 326);
        for (int row = 0; row < table->topLevelItemCount(); ++row) {
            QString line; // a tab before each cell
            for (int column = 0; column < table->columnCount(); ++column) {
                line += '\t' + table->topLevelItem(row)->text(column);
            }
            rows << line;
        }
        QTest::keyClick(keyTarget(), Qt::Key_Escape);
    });
}

// A child who used the program before: quitting asks before saving new results (a new
// child's file is written at quit without a question, since its values are new too).
void createExistingChild(const fs::path& folder, const std::string& name) {
    StudentRecord existing;
    loadStudentFile(existing, folder, name);
    QVERIFY(saveStudentFile(existing));
}

StudentRecord reload(const fs::path& folder, const std::string& name) {
    StudentRecord record;
    loadStudentFile(record, folder, name);
    return record;
}
} // namespace

class MainWindowCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { forgetWaitingAnswers(); }
    void learnWalksTheTableJudgesAndShowsAnswers();
    void clickingTheNextButtonMovesOneProblem();
    void lettersWorkInTheAnswerBoxButNotInADialog();
    void enterOnAToolbarButtonPressesItExceptBeforeBegin();
    void learnCancelledLeavesAnEmptyPracticeArea();
    void escapeAbandonsATestAndEnterThenOpensLearn();
    void fullTestIsRecordedReportedAndSavedAtQuit();
    void wrongTestAnswersAreListedWithTheirCorrectAnswers();
    void drillCountsRightAnswersAndReportAbandonsIt();
    void configuredRateIsSavedWithoutAQuestion();
    void printedTestScoreIsAddedToTheHistory();
    void printingCancelledPrintsNothing();
    void helpOpensWithHAndF1WithoutBlockingTheWindow();
};

void MainWindowCommandsTest::learnWalksTheTableJudgesAndShowsAnswers() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Lou"));
    MainWindow* window = run.window.get();

    startLearn(QStringLiteral(" 7"), 3);
    QCOMPARE(text(window, nextButton), QStringLiteral("Enter --> Begin"));
    QCOMPARE(problemOnScreen(window), QString());

    press(Qt::Key_Return);
    QCOMPARE(problemOnScreen(window) + text(window, equalsLabel), QStringLiteral("7 x 1 = "));
    QCOMPARE(text(window, titleLabel), QStringLiteral("Learning for number 7  (Mult)"));

    typeKeys(QStringLiteral("7"));
    QVERIFY(shown(window, happyImage));
    QCOMPARE(text(window, statusLabel), QStringLiteral("Correct answer - very good..."));
    saveShot(window, QStringLiteral("e2e-learn"));

    press(Qt::Key_Return);
    QCOMPARE(problemOnScreen(window), QStringLiteral("7 x 2"));

    // 7 x 2: "1" is too short to judge; "15" is wrong the moment the 5 is typed.
    QString caption;
    QString message;
    QPoint messageCorner;
    whenModalOpens([&](QWidget* box) {
        caption = box->windowTitle();
        message = control<QLabel>(box, 9990)->text();
        messageCorner = box->pos();
        saveShot(box, QStringLiteral("e2e-wrong-answer"));
        clickControl(box, 9994);
    });
    typeKeys(QStringLiteral("1"));
    QVERIFY(caption.isEmpty());
    typeKeys(QStringLiteral("5"));
    QCOMPARE(caption, QStringLiteral("*** WRONG ANSWER ***"));
    QVERIFY2(message == "\r\n  Correct answer is:  14" || message == "\n  Correct answer is:  14",
             qPrintable(message));
    QCOMPARE(messageCorner, window->startPosition() + QPoint(350, 250));
    QCOMPARE(problemOnScreen(window), QStringLiteral("7 x 3"));

    // Space on an empty box shows the answer in place of the box.
    press(Qt::Key_Space);
    QCOMPARE(text(window, answerLabel), QStringLiteral("21"));
    QVERIFY(!shown(window, answerBox));
    press(Qt::Key_Return);
    QCOMPARE(problemOnScreen(window), QStringLiteral("7 x 4"));

    // An empty Enter moves on without a message.
    UnexpectedWindowGuard guard;
    press(Qt::Key_Return);
    QCOMPARE(problemOnScreen(window), QStringLiteral("7 x 5"));
    QCOMPARE(guard.captions(), QStringList());
    QCOMPARE(run.context.student.history.size(), 0u);
}

void MainWindowCommandsTest::clickingTheNextButtonMovesOneProblem() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Cleo"));
    MainWindow* window = run.window.get();

    startLearn(QStringLiteral(" 3"), 1);
    clickControl(window, nextButton); // "Enter --> Begin"
    QCOMPARE(problemOnScreen(window), QStringLiteral("3 + 1"));
    clickControl(window, nextButton); // "Enter --> Next"
    QCOMPARE(problemOnScreen(window), QStringLiteral("3 + 2"));
    clickControl(window, 108); // "Space --> Answer"
    QCOMPARE(text(window, answerLabel), QStringLiteral("5"));
}

void MainWindowCommandsTest::lettersWorkInTheAnswerBoxButNotInADialog() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Ray"));
    MainWindow* window = run.window.get();

    // R inside the Learn dialog is not the Report command.
    QStringList opened;
    whenModalOpens([&](QWidget* dialog) {
        UnexpectedWindowGuard guard;
        QTest::keyClick(keyTarget(), Qt::Key_R);
        QTest::keyClick(keyTarget(), Qt::Key_C);
        opened = guard.captions();
        QVERIFY(dialog->isVisible());
        QTest::keyClick(keyTarget(), Qt::Key_Escape);
    });
    press(Qt::Key_L);
    QCOMPARE(opened, QStringList());

    // With a problem on screen and the answer box focused, R opens the report at once.
    startLearn(QStringLiteral(" 2"), 1);
    press(Qt::Key_Return);
    QCOMPARE(focusedWidget(), control<QWidget>(window, answerBox));
    typeKeys(QStringLiteral("3"));
    QStringList rows;
    QString caption;
    readReportWhenItOpens(rows, caption);
    press(Qt::Key_R);
    QCOMPARE(caption, QStringLiteral("Report Progress"));
    QCOMPARE(window->engine().state().mode, PracticeMode::None);
    QCOMPARE(problemOnScreen(window), QString());
}

void MainWindowCommandsTest::enterOnAToolbarButtonPressesItExceptBeforeBegin() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Tess"));
    MainWindow* window = run.window.get();
    auto* help = control<QWidget>(window, helpButton);

    // While "Enter --> Begin" waits, Enter begins the run even on a focused toolbar button.
    startLearn(QStringLiteral(" 4"), 1);
    for (int tries = 0; tries < 5 && focusedWidget() != help; ++tries) {
        press(Qt::Key_Backtab);
    }
    QCOMPARE(focusedWidget(), help);
    {
        UnexpectedWindowGuard guard;
        press(Qt::Key_Return);
        QCOMPARE(guard.captions(), QStringList());
    }
    QCOMPARE(problemOnScreen(window), QStringLiteral("4 + 1"));

    // Once a problem has been shown, Enter on a focused toolbar button presses it.
    for (int tries = 0; tries < 5 && focusedWidget() != help; ++tries) {
        press(Qt::Key_Backtab);
    }
    QCOMPARE(focusedWidget(), help);
    bool helpOpened = false;
    whenWindowOpens(QStringLiteral("helpWindow"), [&](QWidget* helpWindow) {
        helpOpened = true;
        helpWindow->close();
    });
    press(Qt::Key_Return);
    QVERIFY(helpOpened);
    // Help leaves the practice as it was.
    QCOMPARE(problemOnScreen(window), QStringLiteral("4 + 1"));
}

void MainWindowCommandsTest::learnCancelledLeavesAnEmptyPracticeArea() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Ada"));
    MainWindow* window = run.window.get();

    startLearn(QStringLiteral(" 5"), 2);
    press(Qt::Key_Return);
    QCOMPARE(problemOnScreen(window), QStringLiteral("5 - 1"));

    whenModalOpens([](QWidget* dialog) { clickControl(dialog, cancelButton); });
    clickControl(window, learnButton);
    QCOMPARE(window->engine().state().mode, PracticeMode::None);
    QCOMPARE(problemOnScreen(window), QString());
    QVERIFY(!shown(window, answerBox));
    // Enter with nothing running does nothing.
    UnexpectedWindowGuard guard;
    control<QWidget>(window, answerLabel)->setFocus();
    press(Qt::Key_Return);
    QCOMPARE(guard.captions(), QStringList());
}

void MainWindowCommandsTest::escapeAbandonsATestAndEnterThenOpensLearn() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Eli"));
    MainWindow* window = run.window.get();

    startTest(QStringLiteral("1"), 1);
    press(Qt::Key_Return);
    QVERIFY(shown(window, timeBar));
    answerTestProblem(window, QString::number(answerOnScreen(window)));
    QCOMPARE(text(window, titleLabel), QStringLiteral("Test Mode - Add  (1 correct out of 1)"));

    press(Qt::Key_Escape);
    QCOMPARE(window->engine().state().mode, PracticeMode::None);
    QVERIFY(control<QWidget>(window, timeBar) == nullptr);
    QCOMPARE(problemOnScreen(window), QString());
    QCOMPARE(focusedWidget(), control<QWidget>(window, learnButton));

    QString opened;
    whenModalOpens([&](QWidget* dialog) {
        opened = dialog->windowTitle();
        QTest::keyClick(keyTarget(), Qt::Key_Escape);
    });
    press(Qt::Key_Return);
    QCOMPARE(opened, QStringLiteral("Learn Math Tables"));
    QCOMPARE(window->engine().state().mode, PracticeMode::None);
}

void MainWindowCommandsTest::fullTestIsRecordedReportedAndSavedAtQuit() {
    TempFolder temp;
    writeHelpFile(temp.path());
    createExistingChild(temp.path(), "Max");
    RunningProgram run(temp.path(), QStringLiteral("Max"));
    MainWindow* window = run.window.get();

    QString countShown;
    startTest(QStringLiteral("1"), 1, &countShown);
    QVERIFY2(countShown.contains(QStringLiteral("12")), qPrintable(countShown));
    QCOMPARE(text(window, nextButton), QStringLiteral("Enter --> Begin"));
    // Narrowed so it ends where the time bar starts, with room for "Time:".
    auto* status = control<QLabel>(window, statusLabel);
    QVERIFY(status->geometry().right() < 60);
    QVERIFY(status->fontMetrics().horizontalAdvance(QStringLiteral("Time:")) <= status->width());
    QVERIFY(control<QWidget>(window, timeBar) == nullptr);

    press(Qt::Key_Return);
    auto* bar = control<QProgressBar>(window, timeBar);
    QVERIFY(bar != nullptr);
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->mapTo(window, QPoint(0, 0)), QPoint(60, 345));
    QCOMPARE(bar->size(), QSize(300, 20));
    QCOMPARE(text(window, statusLabel), QStringLiteral("Time:"));
    saveShot(window, QStringLiteral("e2e-test"));

    ResultsSeen results;
    for (int problem = 1; problem <= 12; ++problem) {
        if (problem == 12) {
            readResultsWhenTheyOpen(results);
        }
        answerTestProblem(window, QString::number(answerOnScreen(window)));
    }
    QCOMPARE(results.caption, QStringLiteral("Test 0 Results"));
    QVERIFY2(results.score.startsWith(QStringLiteral("Percent correct = 100.00")),
             qPrintable(results.score));
    QCOMPARE(results.wrongList, QStringList());

    const std::vector<ScoreRecord> expected = {ScoreRecord{today(), 1, 1, 12, 12}};
    QVERIFY(run.context.student.history == expected);
    QVERIFY(control<QWidget>(window, timeBar) == nullptr);
    QCOMPARE(focusedWidget(), control<QWidget>(window, reportButton));

    QStringList rows;
    QString caption;
    readReportWhenItOpens(rows, caption);
    press(Qt::Key_Return);
    QCOMPARE(caption, QStringLiteral("Report Progress"));
    QCOMPARE(rows.size(), 1);
    const QStringList columns = rows.front().split('\t');
    QCOMPARE(columns.size(), 9); // a leading tab, the date and the seven kinds
    QCOMPARE(columns[1], QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")));
    QCOMPARE(columns[2], QStringLiteral("100.00")); // the "Add " column

    QString question;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        question = box->windowTitle() + "|" + box->text();
        box->button(QMessageBox::Yes)->click();
    });
    press(Qt::Key_Q);
    QCOMPARE(question, QStringLiteral("Quit Program|Data has changed... Save it before quiting?"));
    QTRY_VERIFY(!window->isVisible());
    QVERIFY(reload(temp.path(), "Max").history == expected);
}

void MainWindowCommandsTest::wrongTestAnswersAreListedWithTheirCorrectAnswers() {
    TempFolder temp;
    writeHelpFile(temp.path());
    createExistingChild(temp.path(), "Wes");
    RunningProgram run(temp.path(), QStringLiteral("Wes"));
    MainWindow* window = run.window.get();

    startTest(QStringLiteral("1"), 3);
    press(Qt::Key_Return);
    QStringList expectedWrong;
    QString firstCorrect;
    ResultsSeen results;
    for (int problem = 1; problem <= 12; ++problem) {
        if (problem == 12) {
            readResultsWhenTheyOpen(results);
        }
        const int first = text(window, firstOperand).toInt();
        const int second = text(window, secondOperand).toInt();
        const int right = answerOnScreen(window);
        QString typed = QString::number(right);
        if (problem == 2) {
            typed = QString::number(right + 1);
            firstCorrect = QStringLiteral(" %1").arg(right);
        } else if (problem == 5) {
            typed.clear(); // Enter on an empty box is a wrong answer too
        }
        if (problem == 2 || problem == 5) {
            expectedWrong << QStringLiteral(" %1  x  %2  =  %3").arg(first).arg(second).arg(typed);
        }
        answerTestProblem(window, typed);
    }
    QCOMPARE(results.wrongList, expectedWrong);
    QCOMPARE(results.answerOfFirst, firstCorrect);
    QVERIFY2(results.score.startsWith(QStringLiteral("Percent correct = 83.33")),
             qPrintable(results.score));
    QCOMPARE(run.context.student.history.front().correct, 10);

    // No leaves the file as it was.
    const auto before = readBytes(temp.path() / "Wes.sbk");
    whenModalOpens([](QWidget* modal) {
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::No)->click();
    });
    press(Qt::Key_Q);
    QTRY_VERIFY(!window->isVisible());
    QCOMPARE(readBytes(temp.path() / "Wes.sbk"), before);
}

void MainWindowCommandsTest::drillCountsRightAnswersAndReportAbandonsIt() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Dot"));
    MainWindow* window = run.window.get();

    QString title;
    whenModalOpens([&](QWidget* dialog) {
        title = dialog->windowTitle();
        QVERIFY(!control<QCheckBox>(dialog, 351)->isChecked());
        QTest::keyClick(keyTarget(), Qt::Key_Return);
    });
    press(Qt::Key_D);
    QCOMPARE(title, QStringLiteral("Drill Math Tables"));
    QCOMPARE(text(window, nextButton), QStringLiteral("Enter --> Begin"));

    press(Qt::Key_Return);
    QCOMPARE(text(window, titleLabel), QStringLiteral("Drill Mode - Add"));
    typeKeys(QString::number(answerOnScreen(window)));
    QCOMPARE(text(window, titleLabel), QStringLiteral("  (1 correct out of 1)"));

    QStringList rows;
    QString caption;
    readReportWhenItOpens(rows, caption);
    press(Qt::Key_R);
    QCOMPARE(caption, QStringLiteral("Report Progress"));
    QCOMPARE(rows, QStringList());
    QCOMPARE(window->engine().state().mode, PracticeMode::None);
    QVERIFY(!shown(window, answerBox));
}

void MainWindowCommandsTest::configuredRateIsSavedWithoutAQuestion() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Kai"));
    MainWindow* window = run.window.get();

    whenModalOpens([](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Configure Program"));
        auto* rate = control<QLineEdit>(dialog, 311);
        QTest::mouseClick(rate, Qt::LeftButton);
        QTest::keyClick(rate, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(rate, QStringLiteral("20"));
        QTest::keyClick(keyTarget(), Qt::Key_Return);
    });
    press(Qt::Key_C);
    QCOMPARE(run.context.student.addSubPerMin, 20);

    // The Math Test dialog counts 20 problems a minute from now on.
    QString countShown;
    startTest(QStringLiteral("1"), 1, &countShown);
    QVERIFY2(countShown.contains(QStringLiteral("20")), qPrintable(countShown));
    press(Qt::Key_Escape);

    UnexpectedWindowGuard guard;
    press(Qt::Key_Q);
    QTRY_VERIFY(!window->isVisible());
    QCOMPARE(guard.captions(), QStringList());
    QCOMPARE(reload(temp.path(), "Kai").addSubPerMin, 20);
}

void MainWindowCommandsTest::printedTestScoreIsAddedToTheHistory() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Pia"));
    MainWindow* window = run.window.get();

    QString title;
    whenModalOpens([&](QWidget* options) {
        whenModalOpens(
            [&](QWidget* dialog) {
                title = dialog->windowTitle();
                auto* kind = control<QComboBox>(dialog, 233);
                QTest::mouseClick(kind->lineEdit(), Qt::LeftButton);
                QTest::keyClicks(kind->lineEdit(), QStringLiteral("Mul/Div"));
                QCOMPARE(kind->currentText(), QStringLiteral("Mul/Div"));
                auto* correct = control<QLineEdit>(dialog, 331);
                QTest::mouseClick(correct, Qt::LeftButton);
                QTest::keyClicks(correct, QStringLiteral("63"));
                clickControl(dialog, okButton);
            },
            options);
        clickControl(options, 223);
    });
    press(Qt::Key_T);
    QCOMPARE(title, QStringLiteral("Save Test Score"));
    const std::vector<ScoreRecord> expected = {ScoreRecord{today(), 7, 0, 70, 63}};
    QVERIFY(run.context.student.history == expected);
    QCOMPARE(window->engine().state().mode, PracticeMode::None);
}

void MainWindowCommandsTest::printingCancelledPrintsNothing() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Ned"));
    MainWindow* window = run.window.get();

    QString title;
    QStringList openedAfterCancel;
    whenModalOpens([&](QWidget* options) {
        whenModalOpens(
            [&](QWidget* dialog) {
                title = dialog->windowTitle();
                QCOMPARE(text(dialog, 231), QStringLiteral(" 1"));
                UnexpectedWindowGuard guard;
                clickControl(dialog, cancelButton);
                openedAfterCancel = guard.captions();
            },
            options);
        clickControl(options, 222);
    });
    press(Qt::Key_T);
    QCOMPARE(title, QStringLiteral("Print Test Pages"));
    QCOMPARE(openedAfterCancel, QStringList());
    QCOMPARE(window->engine().state().mode, PracticeMode::None);
    QCOMPARE(run.context.settings.highestTestId, 0);
    QCOMPARE(problemOnScreen(window), QString());
}

void MainWindowCommandsTest::helpOpensWithHAndF1WithoutBlockingTheWindow() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Hal"));
    MainWindow* window = run.window.get();

    for (Qt::Key key : {Qt::Key_H, Qt::Key_F1}) {
        QString caption;
        bool modal = true;
        bool mainUsable = false;
        bool closedByEscape = false;
        whenWindowOpens(QStringLiteral("helpWindow"), [&](QWidget* help) {
            caption = help->windowTitle();
            modal = help->isModal() || QApplication::activeModalWidget() != nullptr;
            mainUsable = window->isEnabled() && help->parentWidget() == nullptr;
            if (key == Qt::Key_H) {
                saveShot(help, QStringLiteral("e2e-help"));
            }
            // The help window has no owner: make sure it, not the window below, has the keys.
            help->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(help));
            QTest::keyClick(help->focusWidget() != nullptr ? help->focusWidget() : help,
                            Qt::Key_Escape);
            closedByEscape = !help->isVisible();
            if (!closedByEscape) {
                help->close(); // report the failure instead of waiting in the help's loop
            }
        });
        press(key);
        QCOMPARE(caption, QStringLiteral("Tallyburrow help"));
        QVERIFY(!modal);
        QVERIFY(mainUsable);
        QVERIFY(closedByEscape);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
}

QTEST_MAIN(MainWindowCommandsTest)
#include "MainWindowCommandsTest.moc"
