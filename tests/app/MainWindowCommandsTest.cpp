// SPDX-License-Identifier: GPL-3.0-or-later
// Journeys of a child through the whole program, by keys and clicks alone: the greeting, learn
// a table, drill, take a test and see it in the report, print a test, quit with the save
// question.

#include "ProgramDriver.h"

#include "records/PackDate.h"
#include "records/StudentFile.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>

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

void chooseEntry(QComboBox* combo, const QString& entry) {
    combo->setCurrentIndex(combo->findText(entry));
}

// In the Test Options dialog: the choice of `button`, then `answer` in the dialog it opens.
void whenTestOptionsOpen(int button, std::function<void(QWidget*)> answer) {
    whenModalOpens([button, answer](QWidget* options) {
        whenModalOpens(answer, options);
        click(options, button);
    });
}

// After a window the program opened closes, the keys are the main window's at once.
void expectKeysBackOn(MainWindow* window, int id) {
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QCOMPARE(QApplication::focusWidget(), window->control(id));
}
} // namespace

class MainWindowCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void startUpReportsTheMissingHelpAndRefusesABadName();
    void learnATableAndDrill();
    void takeAndPrintTestsSeeThemInTheReportAndQuit();
    void quitAsksOnlyForResultsAndNoKeepsTheFile();
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
    AppContext context;
    MainWindow window(context, temp.path());
    window.show();
    QTRY_VERIFY(!window.isVisible());
    QCOMPARE(seen, (QStringList{"Helpfile not found|Help is unavailable", "amy", "Ann", "zed",
                                "amy", "Please type your name again.", "1", "a/b"}));
    QVERIFY(!std::filesystem::exists(temp.path() / "Newkid.sbk"));
}

void MainWindowCommandsTest::learnATableAndDrill() {
    TempFolder temp;
    RunningProgram run(temp.path(), QStringLiteral("Lou"));
    MainWindow* window = run.window.get();
    QVERIFY(std::filesystem::exists(temp.path() / "Lou.sbk")); // a new child's file is made at once
    QCOMPARE(QApplication::focusWidget(), window->control(MainId::answerLabel));
    QCOMPARE(window->minimumSize(), window->maximumSize()); // the layout is in the snapshot
    QVERIFY(!control<QLabel>(window, MainId::happy)->pixmap().isNull());
    QVERIFY(!window->windowIcon().isNull());
    whenModalOpens([](QWidget* dialog) {
        QTest::keyClick(keyTarget(), Qt::Key_R); // the dialog's own key, not Report
        QCOMPARE(QApplication::activeModalWidget(), dialog);
        chooseEntry(control<QComboBox>(dialog, 317), QStringLiteral(" 7"));
        click(dialog, 343);
        QTest::keyClick(keyTarget(), Qt::Key_Return);
    });
    press(Qt::Key_L);
    press(Qt::Key_Return);
    typeKeys(QStringLiteral("x7")); // letters are refused
    saveShot(window, QStringLiteral("journey-learn"));
    QCOMPARE(window->control(MainId::answerBox)->accessibleDescription(),
             QStringLiteral("7 times 1 equals"));

    QPoint corner;
    whenModalOpens([&](QWidget* box) {
        corner = box->pos();
        saveShot(box, QStringLiteral("journey-wrong-answer"));
        QTest::keyClick(keyTarget(), Qt::Key_Return);
    });
    press(Qt::Key_Return);
    typeKeys(QStringLiteral("15")); // 7 x 2: wrong the moment the 5 is typed
    QCOMPARE(corner, window->startPosition() + QPoint(350, 250));
    expectKeysBackOn(window, MainId::answerBox);
    press(Qt::Key_Space); // on 7 x 3, once the message has gone
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
    press(Qt::Key_H);
    QTRY_COMPARE(help, QStringLiteral("Tallyburrow help"));
    watch.stop();
    window->activateWindow(); // as the desktop does when the help window closes
    saveShot(window, QStringLiteral("journey-answer-shown")); // 7 x 4 = 28, read out in full

    // R while the answer box has the focus opens the report and ends the run.
    click(window, MainId::next);
    typeKeys(QStringLiteral("3"));
    QString report;
    whenModalOpens([&](QWidget* dialog) {
        report = dialog->windowTitle();
        QTest::keyClick(keyTarget(), Qt::Key_Escape);
    });
    press(Qt::Key_R);
    QCOMPARE(report, QStringLiteral("Report Progress"));
    saveShot(window, QStringLiteral("journey-after-report")); // the run ended, Learn default

    // Flash cards of one second turn by themselves until Stop.
    whenModalOpens([](QWidget* dialog) {
        control<QCheckBox>(dialog, 351)->setChecked(true);
        chooseEntry(control<QComboBox>(dialog, 352), QStringLiteral("1"));
        QTest::keyClick(keyTarget(), Qt::Key_Return);
    });
    press(Qt::Key_D);
    press(Qt::Key_Return);
    QVERIFY(!window->control(MainId::answerBox)->isEnabled());
    const QString first = problemOnScreen(window);
    savePicture(window, QStringLiteral("journey-flash"));
    QTRY_VERIFY_WITH_TIMEOUT(problemOnScreen(window) != first, 2500);
    press(Qt::Key_Return);
    QCOMPARE(problemOnScreen(window), QString());
}

// A test on screen, then a printed test's score: both reach the report and, at quit, a new
// child's file without a question.
void MainWindowCommandsTest::takeAndPrintTestsSeeThemInTheReportAndQuit() {
    TempFolder temp;
    RunningProgram run(temp.path(), QStringLiteral("Max"));
    MainWindow* window = run.window.get();
    whenTestOptionsOpen(221, [](QWidget* mathTest) {
        chooseEntry(control<QComboBox>(mathTest, 321), QStringLiteral("1"));
        click(mathTest, 341);
        QTest::keyClick(keyTarget(), Qt::Key_Return);
    });
    press(Qt::Key_T);
    auto* status = control<QLabel>(window, MainId::status);
    QVERIFY(status->geometry().right() < 60); // narrowed up to the time bar, "Time:" fits
    QVERIFY(status->fontMetrics().horizontalAdvance(QStringLiteral("Time:")) <= status->width());
    press(Qt::Key_Return);
    auto* bar = control<QProgressBar>(window, MainId::timeBar);
    QVERIFY(bar->isVisible() && bar->maximum() == 60);
    savePicture(window, QStringLiteral("journey-test"));
    QTRY_COMPARE_WITH_TIMEOUT(bar->value(), 1, 2000); // the bar moves every second
    for (int problem = 1; problem <= 12; ++problem) {
        if (problem == 12) {
            whenModalOpens([](QWidget* results) {
                saveShot(results, QStringLiteral("journey-results"));
                QTest::keyClick(keyTarget(), Qt::Key_Return);
            });
        }
        QCOMPARE(QApplication::focusWidget(), window->control(MainId::answerBox));
        typeKeys(problem == 5 ? QString() : QString::number(answerOnScreen(window)));
        press(Qt::Key_Return);
    }
    expectKeysBackOn(window, MainId::report);

    QString title;
    whenTestOptionsOpen(222, [&](QWidget* dialog) {
        title = dialog->windowTitle();
        click(dialog, 2); // Cancel
    });
    press(Qt::Key_T);
    QCOMPARE(title, QStringLiteral("Print Test Pages"));
    whenTestOptionsOpen(223, [&](QWidget* dialog) {
        title = dialog->windowTitle();
        control<QComboBox>(dialog, 233)->setEditText(QStringLiteral("Mul/Div"));
        control<QLineEdit>(dialog, 331)->setText(QStringLiteral("63"));
        click(dialog, 1); // Ok
    });
    press(Qt::Key_T);
    QCOMPARE(title, QStringLiteral("Save Test Score"));
    expectKeysBackOn(window, MainId::report);

    int rows = 0;
    whenModalOpens([&](QWidget* report) {
        rows = report->findChild<QAbstractItemView*>()->model()->rowCount();
        QTest::keyClick(keyTarget(), Qt::Key_Escape);
    });
    press(Qt::Key_Return); // Enter on the Report button
    QCOMPARE(rows, 2);
    press(Qt::Key_Q);
    QTRY_VERIFY(!window->isVisible());
    StudentRecord saved;
    loadStudentFile(saved, temp.path(), "Max");
    const QDate today = QDate::currentDate();
    const auto date = packDate(dateText(today.year(), today.month(), today.day()));
    QCOMPARE(saved.history.size(), 2u);
    QVERIFY((saved.history[0] == ScoreRecord{date, 1, 1, 12, 11}));
    QVERIFY((saved.history[1] == ScoreRecord{date, 7, 0, 70, 63}));
}

// At quit a changed value is saved without a question; a new result asks first: Cancel keeps
// the window, No ends with the child's file exactly as it was, Yes saves the result.
void MainWindowCommandsTest::quitAsksOnlyForResultsAndNoKeepsTheFile() {
    using Box = QMessageBox;
    const struct {
        bool configure;
        QList<Box::StandardButton> answers;
    } cases[] = {{false, {Box::Cancel, Box::No}}, {false, {Box::Yes}}, {true, {}}};
    for (const auto& c : cases) {
        TempFolder temp;
        StudentRecord existing; // a child who used the program before
        loadStudentFile(existing, temp.path(), "Max");
        QVERIFY(saveStudentFile(existing));
        const auto before = readBytes(temp.path() / "Max.sbk");
        RunningProgram run(temp.path(), QString()); // Enter takes the child listed first
        if (c.configure) {
            whenModalOpens([](QWidget* dialog) {
                control<QLineEdit>(dialog, 311)->setText(QStringLiteral("25")); // Add/Sub rate
                click(dialog, 1);
            });
            press(Qt::Key_C);
        } else {
            QVERIFY(appendScore(run.context.student, 100, 1, 1, 12, 11));
        }
        QStringList questions;
        for (qsizetype i = 0; i == 0 || i < c.answers.size(); ++i) {
            whenModalOpens( // a question that should not come is answered No
                [&questions, &c, i](QWidget* modal) {
                    auto* box = qobject_cast<Box*>(modal);
                    questions << box->windowTitle() + "|" + box->text();
                    box->button(c.answers.value(i, Box::No))->click();
                },
                nullptr, 2000);
            QTRY_COMPARE(QApplication::activeWindow(), run.window.get()); // also after Cancel
            press(Qt::Key_Q);
        }
        QTRY_VERIFY(!run.window->isVisible());
        QCOMPARE(questions,
                 QStringList(c.answers.size(),
                             "Quit Program|Data has changed... Save it before quiting?"));
        StudentRecord saved;
        loadStudentFile(saved, temp.path(), "Max");
        QCOMPARE(saved.addSubPerMin, c.configure ? 25 : existing.addSubPerMin);
        QCOMPARE(saved.history.size(), c.answers.contains(Box::Yes) ? 1u : 0u);
        QVERIFY(c.configure || c.answers.contains(Box::Yes) ||
                readBytes(temp.path() / "Max.sbk") == before);
    }
}

QTEST_MAIN(MainWindowCommandsTest)
#include "MainWindowCommandsTest.moc"
