// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramDriver.h"
#include "dialogs/DrillOptionsDialog.h"
#include "dialogs/LearnOptionsDialog.h"
#include "dialogs/MathTestDialog.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResultsWindow.h"
#include "dialogs/TestOptionsDialog.h"
#include "help/FindDialog.h"
#include "help/HelpWindow.h"
#include "printtests/PrintTestDialog.h"
#include "printtests/SaveScoreDialog.h"
#include "records/GreetingDialog.h"
#include "report/ConfigureDialog.h"
#include "report/ProgressReport.h"
#include "support/AccessibleWalk.h"

namespace {
StudentRecord childWithHistory() {
    StudentRecord student;
    student.addSubHigh = student.mulDivHigh = student.addSubPerMin = student.mulDivPerMin = 12;
    student.addSubLow = student.mulDivLow = 1;
    student.history = {{13423, 1, 0, 10, 7}, {13423, 1, 0, 10, 7}};
    return student;
}

const ResultsSummary twoWrong{20, 18, 1, {{" 7  x  8  =  54", " 56"}, {" 9  x  6  =  ", " 54"}}};
const std::vector<std::string> minutes{"1", "2", "10"};
} // namespace

// Every window the program shows is walked; a control that takes the focus without a name
// is a control a blind child cannot find. Each window is also held to its snapshot.
class AccessibilityWalkTest : public QObject {
    Q_OBJECT

    QStringList unnamed;

    void walk(QWidget* window, const QString& name) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        saveShot(window, "walk-" + QString(name).replace(' ', '-').toLower());
        for (const QString& control : unnamedFocusableControls(window)) {
            unnamed << name + ": " + control;
        }
        window->close();
    }

    void walkModal(const QString& name, const std::function<void()>& open) {
        bool walked = false;
        whenModalOpens([&](QWidget* window) {
            walk(window, name);
            walked = true;
        });
        open();
        QVERIFY2(walked, qPrintable(name));
    }

private slots:
    void everyFocusableControlHasAName() {
        QAccessible::setActive(true);
        StudentRecord student = childWithHistory();
        walkModal("Learn", [&] { askLearnOptions(nullptr, student, false); });
        walkModal("Drill", [&] { askDrillOptions(nullptr, minutes); });
        walkModal("Test Options", [&] { askTestOptions(nullptr); });
        walkModal("Math Test", [&] { askMathTest(nullptr, minutes, student); });
        walkModal("Results", [&] { showResultsWindow(nullptr, twoWrong); });
        walkModal("Message", [&] { showMessage("Saved?", 32 + 3, "Question", 0, 10, 10); });

        ProgressReportWindow report(student, nullptr);
        walk(&report, "Report");
        ConfigureDialog configure(student, "/data", nullptr);
        walk(&configure, "Configure");
        Settings settings;
        PrintTestDialog printTest(nullptr, settings);
        walk(&printTest, "Print Test Pages");
        SaveScoreDialog saveScore(student, "03-15-2006", nullptr);
        walk(&saveScore, "Save Test Score");
        GreetingDialog greeting(nullptr, {"Ann", "Bob"}, [] {});
        walk(&greeting, "Greeting");
        FindDialog find(nullptr);
        walk(&find, "Find");
        SearchState search;
        HelpWindow help(parseHelpSource("@@ 0 Start\nHello\n@@ 1 Keys\nF3\n").topics, "Help",
                        search, nullptr);
        walk(&help, "Help");

        TempFolder folder;
        RunningProgram run(folder.path(), QStringLiteral("Ann"));
        walk(run.window, "Main window");
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("\n")));
    }
};

QTEST_MAIN(AccessibilityWalkTest)
#include "AccessibilityWalkTest.moc"
