// SPDX-License-Identifier: GPL-3.0-or-later
// Journeys of a child through the whole program, by keys and clicks alone: learn a table,
// drill, take a test and see it in the report, print a test, quit with the save question.

#include "ProgramDriver.h"

#include "help/HelpSource.h"
#include "records/PackDate.h"
#include "records/StudentFile.h"

#include "support/TempFolder.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace fs = std::filesystem;

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

void writeHelpFile(const fs::path& folder) {
    writeBytes(folder / "tallyburrow.ahp",
               encodeHelpFile({HelpTopic{"Press L and choose a number.", "Learning", 0}}));
}

QString accessibleName(QWidget* widget) { // as a screen reader reads it
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}
} // namespace

class MainWindowCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void learnATableAndDrill();
    void takeATestAndSeeItInTheReport();
    void printATestAndReportItsScore();
    void quitAsksOnlyForResultsAndNoKeepsTheFile();
};

void MainWindowCommandsTest::learnATableAndDrill() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Lou"));
    MainWindow* window = run.window.get();
    whenModalOpens([](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Learn Math Tables"));
        QTest::keyClick(keyTarget(), Qt::Key_R); // the dialog's own key, not Report
        QCOMPARE(QApplication::activeModalWidget(), dialog);
        chooseEntry(control<QComboBox>(dialog, 317), QStringLiteral(" 7"));
        click(dialog, 343);
        QTest::keyClick(keyTarget(), Qt::Key_Return);
    });
    press(Qt::Key_L);
    QCOMPARE(text(window, MainId::next), QStringLiteral("Enter --> Begin"));
    press(Qt::Key_Return);
    QCOMPARE(problemOnScreen(window), QStringLiteral("7 x 1"));
    QCOMPARE(text(window, MainId::title), QStringLiteral("Learning for number 7  (Mult)"));
    QCOMPARE(accessibleName(window->control(MainId::problem)), QStringLiteral("7 times 1 equals"));
    QCOMPARE(window->control(MainId::answerBox)->accessibleDescription(),
             QStringLiteral("7 times 1 equals"));
    typeKeys(QStringLiteral("x7")); // letters are refused
    QVERIFY(window->control(MainId::happy)->isVisible());
    QCOMPARE(text(window, MainId::status), QStringLiteral("Correct answer - very good..."));
    saveShot(window, QStringLiteral("journey-learn"));

    QString message;
    QPoint corner;
    whenModalOpens([&](QWidget* box) {
        message = box->windowTitle() + labelsOf(box);
        corner = box->pos();
        saveShot(box, QStringLiteral("journey-wrong-answer"));
        QTest::keyClick(keyTarget(), Qt::Key_Return);
    });
    press(Qt::Key_Return);
    typeKeys(QStringLiteral("15")); // 7 x 2: wrong the moment the 5 is typed
    QVERIFY2(message.contains(QStringLiteral("*** WRONG ANSWER ***")) &&
                 message.contains(QStringLiteral("Correct answer is:  14")),
             qPrintable(message));
    QCOMPARE(corner, window->startPosition() + QPoint(350, 250));
    expectKeysBackOn(window, MainId::answerBox);
    QCOMPARE(problemOnScreen(window), QStringLiteral("7 x 3"));
    press(Qt::Key_Space);
    QCOMPARE(text(window, MainId::answerLabel), QStringLiteral("21"));
    QCOMPARE(accessibleName(window->control(MainId::problem)),
             QStringLiteral("7 times 3 equals 21"));
    click(window, MainId::next);
    click(window, MainId::showAnswer);
    QCOMPARE(problemOnScreen(window) + text(window, MainId::answerLabel),
             QStringLiteral("7 x 428"));

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
    QCOMPARE(problemOnScreen(window), QStringLiteral("7 x 4"));

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
    QCOMPARE(problemOnScreen(window), QString());
    QTRY_COMPARE(QApplication::activeWindow(), window);

    // Flash cards of one second turn by themselves until Stop.
    whenModalOpens([](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Drill Math Tables"));
        control<QCheckBox>(dialog, 351)->setChecked(true);
        chooseEntry(control<QComboBox>(dialog, 352), QStringLiteral("1"));
        QTest::keyClick(keyTarget(), Qt::Key_Return);
    });
    press(Qt::Key_D);
    press(Qt::Key_Return);
    QCOMPARE(text(window, MainId::next), QStringLiteral("Stop"));
    QVERIFY(!window->control(MainId::answerBox)->isEnabled());
    const QString first = problemOnScreen(window);
    savePicture(window, QStringLiteral("journey-flash"));
    QTRY_VERIFY_WITH_TIMEOUT(problemOnScreen(window) != first, 2500);
    press(Qt::Key_Return);
    QCOMPARE(problemOnScreen(window), QString());
    QVERIFY(run.context.student.history.empty());
}

void MainWindowCommandsTest::takeATestAndSeeItInTheReport() {
    TempFolder temp;
    writeHelpFile(temp.path());
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
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->maximum(), 60);
    QCOMPARE(text(window, MainId::status), QStringLiteral("Time:"));
    savePicture(window, QStringLiteral("journey-test"));
    QTRY_COMPARE_WITH_TIMEOUT(bar->value(), 1, 2000); // the bar moves every second

    QString score;
    QStringList wrong;
    for (int problem = 1; problem <= 12; ++problem) {
        if (problem == 12) {
            whenModalOpens([&](QWidget* results) {
                score = results->windowTitle() + labelsOf(results);
                wrong = rowsOf(results);
                saveShot(results, QStringLiteral("journey-results"));
                QTest::keyClick(keyTarget(), Qt::Key_Return);
            });
        }
        QCOMPARE(QApplication::focusWidget(), window->control(MainId::answerBox));
        const int right = answerOnScreen(window);
        typeKeys(problem == 5 ? QString() : QString::number(right));
        press(Qt::Key_Return);
    }
    QVERIFY2(score.startsWith(QStringLiteral("Test 0 Results")) &&
                 score.contains(QStringLiteral("Percent correct = 91.67")),
             qPrintable(score));
    QCOMPARE(wrong.size(), 1);
    QVERIFY(wrong[0].endsWith(QStringLiteral("  =  ")));
    const QDate today = QDate::currentDate();
    const ScoreRecord record{packDate(dateText(today.year(), today.month(), today.day())), 1, 1, 12,
                             11};
    QCOMPARE(run.context.student.history.size(), 1u);
    QVERIFY(run.context.student.history[0] == record);
    QVERIFY(!bar->isVisible());
    expectKeysBackOn(window, MainId::report);

    QStringList rows;
    whenModalOpens([&](QWidget* report) {
        rows = rowsOf(report);
        QTest::keyClick(keyTarget(), Qt::Key_Escape);
    });
    press(Qt::Key_Return);    // Enter on the Report button
    QCOMPARE(rows.size(), 1); // the result just taken; its columns are the report's own tests
}

void MainWindowCommandsTest::printATestAndReportItsScore() {
    TempFolder temp;
    writeHelpFile(temp.path());
    RunningProgram run(temp.path(), QStringLiteral("Pia"));
    MainWindow* window = run.window.get();
    QString title;
    whenTestOptionsOpen(222, [&](QWidget* dialog) {
        title = dialog->windowTitle();
        click(dialog, 2); // Cancel
    });
    press(Qt::Key_T);
    QCOMPARE(title, QStringLiteral("Print Test Pages"));
    QCOMPARE(run.context.settings.highestTestId, 0);
    QTRY_COMPARE(QApplication::activeWindow(), window); // the keys work at once

    whenTestOptionsOpen(223, [&](QWidget* dialog) {
        title = dialog->windowTitle();
        auto* kind = control<QComboBox>(dialog, 233);
        QTest::mouseClick(kind->lineEdit(), Qt::LeftButton);
        QTest::keyClicks(kind->lineEdit(), QStringLiteral("Mul/Div"));
        auto* correct = control<QLineEdit>(dialog, 331);
        QTest::mouseClick(correct, Qt::LeftButton);
        QTest::keyClicks(correct, QStringLiteral("63"));
        click(dialog, 1); // Ok
    });
    press(Qt::Key_T);
    QCOMPARE(title, QStringLiteral("Save Test Score"));
    QCOMPARE(run.context.student.history.size(), 1u);
    QCOMPARE(run.context.student.history[0].kind, 7);
    QCOMPARE(run.context.student.history[0].correct, 63);
    QTRY_COMPARE(QApplication::activeWindow(), window);
    press(Qt::Key_Q); // a new child: saved without a question
    QTRY_VERIFY(!window->isVisible());
    QCOMPARE(readBytes(temp.path() / "Pia.sbk").size(), 35u + 4u + 8u);
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
        writeHelpFile(temp.path());
        StudentRecord existing; // a child who used the program before
        loadStudentFile(existing, temp.path(), "Max");
        QVERIFY(saveStudentFile(existing));
        const auto before = readBytes(temp.path() / "Max.sbk");
        RunningProgram run(temp.path(), QStringLiteral("Max"));
        if (c.configure) {
            whenModalOpens([](QWidget* dialog) {
                control<QLineEdit>(dialog, 311)->setText(QStringLiteral("25")); // Add/Sub rate
                click(dialog, 1);
            });
            press(Qt::Key_C);
        } else {
            QVERIFY(appendScore(run.context.student, 100, 1, 1, 12, 11));
        }
        QList<Box::StandardButton> answers = c.answers;
        QStringList questions;
        do { // a question that should not come is answered No
            whenModalOpens(
                [&questions, &answers](QWidget* modal) {
                    auto* box = qobject_cast<Box*>(modal);
                    questions << box->windowTitle() + "|" + box->text();
                    box->button(answers.isEmpty() ? Box::No : answers.takeFirst())->click();
                },
                nullptr, 2000);
            QTRY_COMPARE(QApplication::activeWindow(), run.window.get()); // also after Cancel
            press(Qt::Key_Q);
        } while (!answers.isEmpty());
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
