// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
#include "report/ChartWindow.h"
#include "report/ConfigureDialog.h"
#include "report/FluencyMapWindow.h"
#include "report/ProgressReport.h"
#include "support/ModalHelpers.h"

#include <QtTest>

// Every window of the program, each opened as the program opens it, shown to `visit` (which
// may look at it, then it is closed) under the name the tests know it by.
class WindowTour {
public:
    using Visit = std::function<void(QWidget* window, const QString& name)>;

    explicit WindowTour(Visit visit) : visit_(std::move(visit)) {}

    void run() {
        StudentRecord student = childWithHistory();
        const std::vector<std::string> minutes{"1", "2", "10"};
        const ResultsSummary twoWrong{
            20, 18, 1, {{" 7  x  8  =  54", " 56"}, {" 9  x  6  =  ", " 54"}}};
        modal("Learn", [&] { askLearnOptions(nullptr, student, false); });
        modal("Drill", [&] { askDrillOptions(nullptr, minutes); });
        modal("Test Options", [&] { askTestOptions(nullptr); });
        modal("Math Test", [&] { askMathTest(nullptr, minutes, student); });
        modal("Results", [&] { showResultsWindow(nullptr, twoWrong); });
        modal("Message", [&] { showMessage("Saved?", 32 + 3, "Question", 0, 10, 10); });
        modal("Chart", [&] { showProgressChart(nullptr, "Ann", allResults(student)); });
        modal("Fluency map", [&] { showFluencyMap(nullptr, student, {}); });

        ProgressReportWindow report(student, nullptr);
        show(&report, "Report");
        int textPercent = 100;
        AnswerLimitChoice limit;
        ConfigureDialog configure(student, "/data", nullptr, &limit, &textPercent);
        show(&configure, "Configure");
        Settings settings;
        PrintTestDialog printTest(nullptr, settings);
        show(&printTest, "Print Test Pages");
        SaveScoreDialog saveScore(student, "03-15-2006", nullptr);
        show(&saveScore, "Save Test Score");
        GreetingDialog greeting(nullptr, {"Ann", "Bob"}, [] {});
        show(&greeting, "Greeting");
        FindDialog find(nullptr);
        show(&find, "Find");
        SearchState search;
        HelpWindow help(parseHelpSource("@@ 0 Start\nHello\n@@ 1 Keys\nF3\n").topics, "Help",
                        search, nullptr);
        show(&help, "Help");

        TempFolder folder;
        RunningProgram program(folder.path(), QStringLiteral("Ann"));
        show(program.window, "Main window");
    }

private:
    static StudentRecord childWithHistory() {
        StudentRecord student;
        student.addSubHigh = student.mulDivHigh = student.addSubPerMin = student.mulDivPerMin = 12;
        student.addSubLow = student.mulDivLow = 1;
        student.history = {{13423, 1, 0, 10, 7}, {13423, 1, 0, 10, 7}};
        return student;
    }

    void show(QWidget* window, const QString& name) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        visit_(window, name);
        window->close();
    }

    void modal(const QString& name, const std::function<void()>& open) {
        bool shown = false;
        whenModalOpens([&](QWidget* window) {
            show(window, name);
            shown = true;
        });
        open();
        QVERIFY2(shown, qPrintable(name));
    }

    Visit visit_;
};
