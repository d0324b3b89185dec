// SPDX-License-Identifier: GPL-3.0-or-later
// Journeys of a child through the whole program, by keys and clicks alone: the greeting, learn
// a table, drill, take a test and see it in the report, print a test, quit with the save
// question.

#include "ProgramDriver.h"

#include "app/TerminationSignals.h"
#include "records/AnswerLog.h"
#include "records/PackDate.h"
#include "records/StudentFile.h"
#include "records/StudentFolder.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>

#include <csignal>

namespace {
QString text(QWidget* window, int id) {
    return control<QWidget>(window, id)->property("text").toString();
}

QString problemOnScreen(QWidget* window) {
    return text(window, MainId::firstOperand) + text(window, MainId::operatorSign) +
           text(window, MainId::secondOperand);
}

int answerOnScreen(QWidget* window) {
    const int first = text(window, MainId::firstOperand).toInt();
    const int second = text(window, MainId::secondOperand).toInt();
    const QString op = text(window, MainId::operatorSign).trimmed();
    return op == "+" ? first + second : op == "-" ? first - second : first * second;
}

void click(QWidget* parent, int id) {
    QTest::mouseClick(control<QWidget>(parent, id), Qt::LeftButton);
}

// T opens the Test Options dialog; there `button` is chosen and `answer` gets the dialog it opens.
void chooseTest(int button, std::function<void(QWidget*)> answer) {
    whenModalOpens([button, answer](QWidget* options) {
        whenModalOpens(answer, options);
        click(options, button);
    });
    keys("t");
}

// What the screen reader was told last: the names of the notifications the program shows.
QString notices(QWidget* window) {
    QStringList said;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        QAccessibleInterface* object = QAccessible::queryAccessibleInterface(widget);
        if (object != nullptr && object->role() == QAccessible::Notification) {
            said << widget->accessibleName();
        }
    }
    return said.join('|');
}

// After a window the program opened closes, the keys are the main window's at once.
void expectKeysBackOn(MainWindow* window, int id) {
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QTRY_COMPARE(QApplication::focusWidget(), window->control(id));
}
} // namespace

class MainWindowCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void startUpReportsTheMissingHelpAndRefusesABadName();
    void learnATableAndDrill();
    void takeAndPrintTestsSeeThemInTheReportAndQuit();
    void quitAsksOnlyForResultsAndNoKeepsTheFile();
    void aKilledRunsResultsComeBackAtTheNextStart();
    void aFailedSaveAtQuitKeepsTheResults();
    void everyAnswerIsKeptAndTheMapReadsIt();
    void logoutSignalsReachTheEventLoop();
};

// The missing help file is reported before the greeting, which lists the children sorted
// with the first chosen, refuses a name that cannot be a file name and, cancelled, ends the
// program without any child's file.
void MainWindowCommandsTest::startUpReportsTheMissingHelpAndRefusesABadName() {
    TempFolder temp;
    for (const char* name : {"zed.sbk", "Ann.sbk", "amy.sbk"}) {
        writeBytes(temp.path() / name, {});
    }
    QStringList seen;
    const auto greet = [&seen](QWidget* greeting) {
        auto* list = greeting->findChild<QListWidget*>(QStringLiteral("250"));
        for (int i = 0; i < list->count(); ++i) {
            seen << list->item(i)->text();
        }
        seen << list->currentItem()->text();
        whenModalOpens(
            [&seen](QWidget* box) {
                seen << qobject_cast<QMessageBox*>(box)->text().section('\n', -1);
                box->close();
            },
            greeting);
        auto* name = greeting->findChild<QLineEdit*>(QStringLiteral("251"));
        name->setText(QStringLiteral("a/b"));
        QTest::keyClick(greeting, Qt::Key_Return);
        seen << QString::number(greeting->isVisible()) << name->selectedText();
        QTest::keyClicks(name, "Newkid");
        QTest::keyClick(greeting, Qt::Key_Escape);
    };
    whenModalOpens([&seen, greet](QWidget* box) {
        seen << box->windowTitle() + "|" + qobject_cast<QMessageBox*>(box)->text();
        whenModalOpens(greet, box); // the greeting comes once this box has gone
        box->close();
    });
    Application program(temp.path());
    program.show();
    QTRY_VERIFY(!program.window().isVisible());
    QCOMPARE(seen, (QStringList{"Helpfile not found|Help is unavailable", "amy", "Ann", "zed",
                                "amy", "Please type your name again.", "1", "a/b"}));
    QVERIFY(!std::filesystem::exists(temp.path() / "Newkid.sbk"));
}

void MainWindowCommandsTest::learnATableAndDrill() {
    TempFolder temp;
    RunningProgram run(temp.path(), QStringLiteral("Lou"));
    MainWindow* window = run.window;
    QVERIFY(std::filesystem::exists(temp.path() / "Lou.sbk")); // a new child's file is made at once
    QCOMPARE(QApplication::focusWidget(), window->control(MainId::answerLabel));
    QCOMPARE(window->minimumSize(), window->maximumSize()); // the layout is in the snapshot
    QVERIFY(!control<QLabel>(window, MainId::happy)->pixmap().isNull());
    QVERIFY(!window->windowIcon().isNull());
    whenModalOpens([](QWidget* dialog) {
        keys("r"); // the dialog's own key, not Report
        QCOMPARE(QApplication::activeModalWidget(), dialog);
        control<QComboBox>(dialog, 317)->setCurrentText(QStringLiteral(" 7"));
        click(dialog, 343);
        keys("\r");
    });
    keys("l");
    // Once the screen reader has read the window come back, a new problem is said, unless the
    // focus moving into the answer box reads it.
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QTest::qWait(1100);
    keys("\rx7"); // letters are refused
    QVERIFY(!notices(window).contains("7 times 1"));
    saveShot(window, QStringLiteral("journey-learn"));
    QCOMPARE(window->control(MainId::answerBox)->accessibleDescription(),
             QStringLiteral("7 times 1 equals"));
    keys("\r"); // the focus stays in the answer box
    QVERIFY(notices(window).contains("7 times 2 equals"));

    QPoint corner;
    QColor ink;
    whenModalOpens([&](QWidget* box) {
        corner = box->pos();
        ink = box->findChild<QLabel*>()->palette().color(QPalette::WindowText);
        saveShot(box, QStringLiteral("journey-wrong-answer"));
        keys("\r");
    });
    keys("15"); // 7 x 2: wrong the moment the 5 is typed
    QTRY_COMPARE(corner, window->startPosition() + QPoint(350, 250));
    QCOMPARE(ink, QColor(255, 0, 0));
    QCOMPARE(window->startPosition() + QPoint(320, 200), // the window starts centred
             QGuiApplication::primaryScreen()->availableGeometry().center());
    expectKeysBackOn(window, MainId::answerBox);
    keys(" "); // on 7 x 3, once the message has gone
    QCOMPARE(text(window, MainId::answerLabel), QStringLiteral("21"));
    click(window, MainId::next);
    click(window, MainId::showAnswer);

    // Help opens beside the practice, not modal, and leaves the practice as it was.
    QString help;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QStringLiteral("helpWindow") && top->isVisible()) {
                help = top->windowTitle() + (top->isModal() ? " modal" : "");
                top->close();
            }
        }
    });
    watch.start(10);
    keys("h");
    QTRY_COMPARE(help, QStringLiteral("Tallyburrow help"));
    watch.stop();
    window->activateWindow(); // as the desktop does when the help window closes
    saveShot(window, QStringLiteral("journey-answer-shown")); // 7 x 4 = 28, read out in full

    // R while the answer box has the focus opens the report and ends the run.
    click(window, MainId::next);
    keys("3");
    QString report;
    whenModalOpens([&](QWidget* dialog) {
        report = dialog->windowTitle();
        keys("\x1b");
    });
    keys("r");
    QCOMPARE(report, QStringLiteral("Report Progress"));
    saveShot(window, QStringLiteral("journey-after-report")); // the run ended, Learn default

    // Flash cards of one second turn by themselves until Stop.
    whenModalOpens([](QWidget* dialog) {
        control<QCheckBox>(dialog, 351)->setChecked(true);
        control<QComboBox>(dialog, 352)->setCurrentText(QStringLiteral("1"));
        keys("\r");
    });
    keys("d\r");
    QVERIFY(!window->control(MainId::answerBox)->isEnabled());
    const QString first = problemOnScreen(window);
    savePicture(window, QStringLiteral("journey-flash"));
    QTRY_VERIFY_WITH_TIMEOUT(problemOnScreen(window) != first, 2500);
    keys("\r");
    QCOMPARE(problemOnScreen(window), QString());
}

// A test on screen, then a printed test's score: both reach the report and, at quit, a new
// child's file without a question, as do the rates changed through Config.
void MainWindowCommandsTest::takeAndPrintTestsSeeThemInTheReportAndQuit() {
    TempFolder temp;
    RunningProgram run(temp.path(), QStringLiteral("Max"));
    MainWindow* window = run.window;
    chooseTest(221, [](QWidget* mathTest) {
        control<QComboBox>(mathTest, 321)->setCurrentText(QStringLiteral("1"));
        click(mathTest, 341);
        keys("\r");
    });
    saveShot(window, QStringLiteral("journey-test-ready")); // the status ends before the time bar
    keys("\r");
    auto* bar = control<QProgressBar>(window, MainId::timeBar);
    QVERIFY(bar->isVisible() && bar->maximum() == 60);
    savePicture(window, QStringLiteral("journey-test"));
    QTRY_COMPARE_WITH_TIMEOUT(bar->value(), 1, 2000); // the bar moves every second
    whenModalOpens([](QWidget* results) {
        saveShot(results, QStringLiteral("journey-results"));
        QTest::keyClick(results, Qt::Key_Return);
    });
    for (int problem = 1; problem <= 12; ++problem) { // the fifth is left unanswered
        keys((problem == 5 ? QString() : QString::number(answerOnScreen(window))) + "\r");
    }
    expectKeysBackOn(window, MainId::report);

    chooseTest(222, [](QWidget* dialog) {
        saveShot(dialog, QStringLiteral("journey-print-test"));
        click(dialog, 2); // Cancel
    });
    whenModalOpens([](QWidget* dialog) {
        control<QLineEdit>(dialog, 311)->setText(QStringLiteral("25")); // Add/Sub rate
        click(dialog, 1);
    });
    keys("c");
    chooseTest(223, [](QWidget* dialog) {
        control<QComboBox>(dialog, 233)->setCurrentText(QStringLiteral("Mul/Div"));
        control<QLineEdit>(dialog, 331)->setText(QStringLiteral("63"));
        click(dialog, 1); // Ok
    });
    expectKeysBackOn(window, MainId::report);

    int rows = 0;
    whenModalOpens([&](QWidget* report) {
        rows = report->findChild<QAbstractItemView*>()->model()->rowCount();
        keys("\x1b");
    });
    keys("\rq"); // Enter on the Report button, then quit
    QCOMPARE(rows, 2);
    QTRY_VERIFY(!window->isVisible());
    StudentRecord saved;
    loadStudentFile(saved, temp.path(), "Max");
    const auto date = packDate(QDate::currentDate());
    QCOMPARE(saved.addSubPerMin, 25);
    QVERIFY(
        (saved.history == std::vector<ScoreRecord>{{date, 1, 1, 12, 11}, {date, 7, 0, 70, 63}}));
}

// At quit a new result asks first: Cancel keeps the window, No ends with the child's file
// exactly as it was, Yes saves the result.
void MainWindowCommandsTest::quitAsksOnlyForResultsAndNoKeepsTheFile() {
    using Box = QMessageBox;
    for (const QList<Box::StandardButton>& answers :
         {QList{Box::Cancel, Box::No}, QList{Box::Yes}, QList<Box::StandardButton>{}}) {
        TempFolder temp;
        // A child who used the program before, under a name written in another encoding:
        // listed readably, and still that file.
        StudentRecord existing;
        loadStudentFile(existing, temp.path(), "Zo\xeb");
        QVERIFY(saveStudentFile(existing));
        const auto before = readBytes(temp.path() / "Zo\xeb.sbk");
        RunningProgram run(temp.path(), QString()); // Enter takes the child listed first
        QVERIFY(run.window->windowTitle().endsWith(QString::fromUtf8(" - Zo\xc3\xab")));
        if (!answers.isEmpty()) { // nothing done: nothing to ask
            appendScore(run.context().student, 100, 1, 1, 12, 11);
        }
        QStringList questions;
        for (const Box::StandardButton answer : answers) {
            whenModalOpens([&questions, answer](QWidget* modal) {
                auto* box = qobject_cast<Box*>(modal);
                questions << box->windowTitle() + "|" + box->text();
                box->button(answer)->click();
            });
            QTRY_COMPARE(QApplication::activeWindow(), run.window); // also after Cancel
            keys("q");
        }
        if (answers.isEmpty()) {
            keys("q");
        }
        QTRY_VERIFY(!run.window->isVisible());
        QCOMPARE(questions,
                 QStringList(answers.size(),
                             "Quit Program|Data has changed... Save it before quiting?"));
        QCOMPARE(readBytes(temp.path() / "Zo\xeb.sbk") == before, !answers.contains(Box::Yes));
        QCOMPARE(listStudentNames(temp.path()), std::vector<std::string>{"Zo\xeb"});
    }
}

// A run that ends without its quit (killed, logged out) loses nothing: its results were on the
// disk at once, and the next start offers them back, Enter keeping them in the child's file.
void MainWindowCommandsTest::aKilledRunsResultsComeBackAtTheNextStart() {
    TempFolder temp;
    {
        RunningProgram run(temp.path(), QStringLiteral("Max"));
        chooseTest(223, [](QWidget* dialog) {
            control<QComboBox>(dialog, 233)->setCurrentText(QStringLiteral("Mul/Div"));
            control<QLineEdit>(dialog, 331)->setText(QStringLiteral("63"));
            click(dialog, 1); // Ok
        });
        QTRY_COMPARE(QApplication::activeWindow(), run.window);
    } // no quit: the window and the run end as at a kill
    QCOMPARE(std::filesystem::file_size(temp.path() / "Max.sbk"), 0u);
    QString offered;
    RunningProgram again(temp.path(), QString(), [&offered](QWidget* question) {
        offered = qobject_cast<QMessageBox*>(question)->text();
        keys("\r");
    });
    QVERIFY2(offered.contains("1 test result(s)"), qPrintable(offered));
    StudentRecord saved;
    loadStudentFile(saved, temp.path(), "Max");
    QCOMPARE(saved.history.size(), 1u);
    QCOMPARE(saved.history.front().correct, 63);
}

// A save that fails at quit asks again: Cancel keeps the window, Close quits and leaves the
// results in the journal for the next start.
void MainWindowCommandsTest::aFailedSaveAtQuitKeepsTheResults() {
    TempFolder temp;
    StudentRecord existing;
    loadStudentFile(existing, temp.path(), "Max");
    QVERIFY(saveStudentFile(existing));
    RunningProgram run(temp.path(), QString());
    appendScore(run.context().student, 100, 1, 1, 12, 11);
    std::filesystem::remove(temp.path() / "Max.sbk");
    std::filesystem::create_directory(temp.path() / "Max.sbk"); // nothing can be saved there
    for (const QMessageBox::StandardButton button : {QMessageBox::Cancel, QMessageBox::Close}) {
        whenModalOpens([button](QWidget* question) {
            whenModalOpens(
                [button](QWidget* failure) {
                    qobject_cast<QMessageBox*>(failure)->button(button)->click();
                },
                question);
            qobject_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
        });
        QTRY_COMPARE(QApplication::activeWindow(), run.window);
        keys("q");
        QTRY_COMPARE(run.window->isVisible(), button == QMessageBox::Cancel);
    }
    QVERIFY(std::filesystem::is_regular_file(temp.path() / "Max.sbk.journal"));
}

// Each answer is on the disk as it is given, so a run that ends without its quit keeps them;
// the next run's fluency map, opened from the report, reads each fact's state.
void MainWindowCommandsTest::everyAnswerIsKeptAndTheMapReadsIt() {
    TempFolder temp;
    {
        RunningProgram run(temp.path(), QStringLiteral("Ann"));
        whenModalOpens([](QWidget* dialog) {
            control<QComboBox>(dialog, 317)->setCurrentText(QStringLiteral(" 7"));
            click(dialog, 343);
            keys("\r");
        });
        keys("l\r7"); // 7 x 1, right
        whenModalOpens([](QWidget*) { keys("\r"); });
        keys("\r15"); // 7 x 2, wrong
        expectKeysBackOn(run.window, MainId::answerBox);
    } // no quit, as at a kill
    const AnswerLogRead log = readAnswerLog(temp.path() / "Ann.sbk.answers");
    QCOMPARE(log.status, ReadStatus::Loaded);
    QCOMPARE(log.contents.answers.size(), 2u);
    const LoggedAnswer& right = log.contents.answers[0];
    const LoggedAnswer& wrong = log.contents.answers[1];
    QVERIFY(right.operation == 3 && right.first == 7 && right.second == 1 && right.right);
    QVERIFY(wrong.operation == 3 && wrong.first == 7 && wrong.second == 2 && !wrong.right);
    QCOMPARE(wrong.date, packDate(QDate::currentDate()));

    RunningProgram again(temp.path(), QStringLiteral("Ann"));
    QStringList spoken;
    whenModalOpens([&spoken](QWidget* report) {
        whenModalOpens(
            [&spoken](QWidget* map) {
                for (auto* table : map->findChildren<QTableView*>()) {
                    const QAbstractItemModel* cells = table->model();
                    for (int row = 0; row < cells->rowCount(); ++row) {
                        for (int column = 0; column < cells->columnCount(); ++column) {
                            spoken << cells->index(row, column)
                                          .data(Qt::AccessibleTextRole)
                                          .toString();
                        }
                    }
                }
                map->close();
            },
            report);
        click(report, 330);
        keys("\x1b");
    });
    keys("r");
    QTRY_VERIFY(!spoken.isEmpty());
    // Right once is not yet known: a fact is known when it is right and quick twice running.
    for (const char* cell : {"7 times 1: not yet", "7 times 2: not yet", "8 times 8: not tried"}) {
        QVERIFY2(spoken.count(QString::fromLatin1(cell)) == 1, cell);
    }
}

// A logout or a kill request reaches the event loop (which then ends the run keeping the
// session) instead of ending the program on the spot.
void MainWindowCommandsTest::logoutSignalsReachTheEventLoop() {
    TerminationSignals termination;
    QSignalSpy requested(&termination, &TerminationSignals::terminationRequested);
    for (const int signal : {SIGTERM, SIGHUP}) {
        std::raise(signal);
    }
    QTRY_COMPARE(requested.count(), 2);
}

QTEST_MAIN(MainWindowCommandsTest)
#include "MainWindowCommandsTest.moc"
