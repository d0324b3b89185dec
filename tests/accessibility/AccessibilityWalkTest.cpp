// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "dialogs/DrillOptionsDialog.h"
#include "dialogs/LearnOptionsDialog.h"
#include "dialogs/MathTestDialog.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResultsWindow.h"
#include "dialogs/TestOptionsDialog.h"
#include "help/FindDialog.h"
#include "help/HelpSource.h"
#include "help/HelpWindow.h"
#include "printtests/PrintTestDialog.h"
#include "printtests/SaveScoreDialog.h"
#include "records/GreetingDialog.h"
#include "report/ConfigureDialog.h"
#include "report/ProgressReport.h"
#include "support/AccessibleWalk.h"
#include "support/ModalHelpers.h"
#include "support/TempFolder.h"

#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace {
StudentRecord childWithHistory() {
    StudentRecord student;
    student.addSubHigh = student.mulDivHigh = 12;
    student.addSubLow = student.mulDivLow = 1;
    student.addSubPerMin = student.mulDivPerMin = 12;
    ScoreRecord score;
    score.date = 13423;
    score.kind = 1;
    score.problems = 10;
    score.correct = 7;
    student.history = {score, score};
    return student;
}

ResultsSummary twoWrong() {
    ResultsSummary summary;
    summary.testProblemCount = 20;
    summary.correctCount = 18;
    summary.recordCount = 1;
    summary.wrongList = {{" 7  x  8  =  54", " 56"}, {" 9  x  6  =  ", " 54"}};
    return summary;
}

const std::vector<std::string> minutes{"1", "2", "10"};
} // namespace

// Every window the program shows is walked; a control that takes the focus without a name
// is a control a blind child cannot find. Each window is also held to its snapshot.
class AccessibilityWalkTest : public QObject {
    Q_OBJECT

    QStringList unnamed;

    void walk(QWidget* window, const QString& name) {
        saveShot(window, "walk-" + QString(name).replace(' ', '-').toLower());
        for (const QString& control : unnamedFocusableControls(window)) {
            unnamed << name + ": " + control;
        }
    }

    void walkModal(const QString& name, const std::function<void()>& open) {
        bool walked = false;
        whenModalOpens([&](QWidget* window) {
            walk(window, name);
            walked = true;
            QTest::keyClick(window, Qt::Key_Escape);
            if (window->isVisible()) {
                window->close();
            }
        });
        open();
        QVERIFY2(walked, qPrintable(name));
    }

    void walkShown(QWidget* window, const QString& name) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        walk(window, name);
        window->close();
    }

private slots:
    void initTestCase() { QAccessible::setActive(true); }

    void everyFocusableControlHasAName() {
        StudentRecord student = childWithHistory();
        walkModal("Learn", [&] { askLearnOptions(nullptr, student, false); });
        walkModal("Drill", [&] { askDrillOptions(nullptr, minutes); });
        walkModal("Test Options", [&] { askTestOptions(nullptr); });
        walkModal("Math Test", [&] { askMathTest(nullptr, minutes, student); });
        walkModal("Results", [&] { showResultsWindow(nullptr, twoWrong()); });
        walkModal("Message", [&] { showMessage("Saved?", 32 + 3, "Question", 0, 10, 10); });

        ProgressReportWindow report(student, nullptr);
        walkShown(&report, "Report");
        ConfigureDialog configure(student, "/data", nullptr);
        walkShown(&configure, "Configure");
        Settings settings;
        PrintTestDialog printTest(nullptr, settings);
        walkShown(&printTest, "Print Test Pages");
        SaveScoreDialog saveScore(student, "03-15-2006", nullptr);
        walkShown(&saveScore, "Save Test Score");
        GreetingDialog greeting(nullptr, {"Ann", "Bob"}, [] {});
        walkShown(&greeting, "Greeting");
        FindDialog find(nullptr);
        walkShown(&find, "Find");
        SearchState search;
        HelpWindow help(parseHelpSource("@@ 0 Start\nHello\n@@ 1 Keys\nF3\n").topics, "Help",
                        search, nullptr);
        walkShown(&help, "Help");

        TempFolder folder;
        writeBytes(folder.path() / "tallyburrow.ahp",
                   encodeHelpFile(parseHelpSource("@@ 0 A\nB\n").topics));
        AppContext context;
        whenModalOpens([](QWidget* greetingShown) {
            QTest::keyClicks(greetingShown->findChild<QLineEdit*>("251"), "Ann");
            QTest::keyClick(greetingShown, Qt::Key_Return);
        });
        auto window = std::make_unique<MainWindow>(context, folder.path());
        window->show();
        QTRY_VERIFY(!context.student.studentName.empty());
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("\n")));

        walk(window.get(), "Main window");
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("\n")));
    }
};

QTEST_MAIN(AccessibilityWalkTest)
#include "AccessibilityWalkTest.moc"
