#include "DialogTestSupport.h"
#include "dialogs/DialogTables.h"
#include "dialogs/DrillOptionsDialog.h"
#include "dialogs/LearnOptionsDialog.h"
#include "dialogs/MathTestDialog.h"
#include "dialogs/ResultsWindow.h"
#include "dialogs/TestOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

namespace {
const std::vector<std::string> drillSeconds{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
const std::vector<std::string> testMinutes{"1", "2",  "3",  "4",  "5",  "6",  "7", "8",
                                           "9", "10", "12", "15", "20", "25", "30"};

StudentRecord child(int addSubPerMin = 12, int mulDivPerMin = 12) {
    StudentRecord student;
    student.addSubLow = student.mulDivLow = 1;
    student.addSubHigh = student.mulDivHigh = 12;
    student.addSubPerMin = addSubPerMin;
    student.mulDivPerMin = mulDivPerMin;
    return student;
}

ResultsSummary seventeenOfTwenty() {
    ResultsSummary summary;
    summary.testProblemCount = 20;
    summary.correctCount = 17;
    summary.recordCount = 4;
    summary.wrongList = {
        {" 7  x  8  =  54", " 56"}, {" 9  x  6  =  ", " 54"}, {" 12  /  4  =  4", " 3"}};
    return summary;
}

struct DialogCase {
    const char* title;
    QSize size;
    std::span<const ControlRow> controls;
    std::function<void()> open;
};

QString countText(QWidget* window) {
    return control<QLabel>(window, 323)->text();
}
} // namespace

// The option dialogs and the results window: layout from their tables, and what a child does
// with the keys and the mouse.
class DialogWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void everyDialogFollowsItsTable() {
        const StudentRecord student = child();
        const DialogCase cases[] = {
            {"Learn Math Tables",
             {300, 240},
             learnOptionsControls(),
             [&] { askLearnOptions(nullptr, student, false); }},
            {"Drill Math Tables",
             {360, 220},
             drillOptionsControls(),
             [] { askDrillOptions(nullptr, drillSeconds); }},
            {"Test Options", {280, 160}, testOptionsControls(), [] { askTestOptions(nullptr); }},
            {"Math Test",
             {300, 300},
             mathTestControls(),
             [&] { askMathTest(nullptr, testMinutes, student); }},
            {"Test 4 Results",
             {240, 340},
             resultsControls(),
             [] { showResultsWindow(nullptr, seventeenOfTwenty()); }},
        };
        for (const DialogCase& c : cases) {
            bool seen = false;
            answerModal([&](QWidget* window) {
                seen = true;
                saveShot(window, QString(c.title).replace(' ', '_').toLower());
                QCOMPARE(window->windowTitle(), QString(c.title));
                QCOMPARE(window->size(), c.size);
                QVERIFY(hasOptionDialogFrame(window));
                checkControls(window, c.controls);
                QString cutOff;
                QVERIFY2(allTextsFit(window, cutOff), qPrintable(cutOff));
                pressKey(window, Qt::Key_Escape);
            });
            c.open();
            QVERIFY2(seen, c.title);
        }
    }

    void learnChoicesComeBackOnOk() {
        answerModal([](QWidget* window) {
            QCOMPARE(QApplication::focusWidget(), control<QComboBox>(window, 317));
            QCOMPARE(control<QComboBox>(window, 317)->currentIndex(), -1); // a new child
            pressKey(window, Qt::Key_Down, 7);
            click(control<QRadioButton>(window, 343));
            control<QComboBox>(window, 317)->setFocus();
            pressKey(window, Qt::Key_Return);
        });
        auto choice = askLearnOptions(nullptr, child(), false);
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->operation, choice->number, choice->showAllAnswers),
                 std::tuple(3, 7, false));

        StudentRecord student = child();
        student.mulDivHigh = 9;
        student.lastLearnOp = 3;
        student.lastLearnNumber = 7;
        answerModal([](QWidget* window) {
            QCOMPARE(control<QComboBox>(window, 317)->currentText(), QString(" 7"));
            QVERIFY(control<QRadioButton>(window, 343)->isChecked());
            QVERIFY(control<QCheckBox>(window, 111)->isChecked());
            click(control<QRadioButton>(window, 344));
            click(control<QCheckBox>(window, 111));
            click(control<QPushButton>(window, 1));
        });
        choice = askLearnOptions(nullptr, student, true);
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->operation, choice->number, choice->showAllAnswers),
                 std::tuple(4, 7, false));

        answerModal([](QWidget* window) { pressKey(window, Qt::Key_Enter); });
        choice = askLearnOptions(nullptr, child(), true); // Ok without a number gives 0
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->operation, choice->number, choice->showAllAnswers),
                 std::tuple(1, 0, true));
    }

    void drillUntouchedOrFlashCardsByKeys() {
        answerModal([](QWidget* window) { click(control<QPushButton>(window, 1)); });
        auto choice = askDrillOptions(nullptr, drillSeconds);
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->kind, choice->flashCards, choice->secondsPerCard),
                 std::tuple(1, false, 0));
        answerModal([](QWidget* window) {
            QCOMPARE(control<QComboBox>(window, 352)->currentText(), QString("2"));
            click(control<QRadioButton>(window, 346));
            click(control<QCheckBox>(window, 351));
            control<QComboBox>(window, 352)->setFocus();
            pressKey(window, Qt::Key_Down, 3);
            pressKey(window, Qt::Key_Return);
        });
        choice = askDrillOptions(nullptr, drillSeconds);
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->kind, choice->flashCards, choice->secondsPerCard),
                 std::tuple(6, true, 5));
    }

    void testOptionsButtonsReturnTheirChoice() {
        const std::pair<int, TestOptionsChoice> buttons[] = {
            {221, TestOptionsChoice::TestOnComputer},
            {222, TestOptionsChoice::PrintTestPages},
            {223, TestOptionsChoice::ReportPrintedTest},
            {0, TestOptionsChoice::Closed}}; // 0: Escape
        for (const auto& [id, expected] : buttons) {
            answerModal([id](QWidget* window) {
                if (id == 0) {
                    pressKey(window, Qt::Key_Escape);
                } else {
                    click(control<QPushButton>(window, id));
                }
            });
            QCOMPARE(askTestOptions(nullptr), expected);
        }
    }

    // The count rule is ProblemCount's table; here the label follows the minutes (by keys)
    // and the kind, and Ok gives the count shown.
    void mathTestCountFollowsMinutesAndKind() {
        answerModal([](QWidget* window) {
            QCOMPARE(countText(window), QString("Number of problems = 100"));
            click(control<QRadioButton>(window, 343));
            QCOMPARE(countText(window), QString("Number of problems = 80"));
            auto* minutes = control<QComboBox>(window, 321);
            minutes->setFocus();
            pressKey(window, Qt::Key_End);
            QCOMPARE(countText(window), QString("Number of problems = 240"));
            pressKey(window, Qt::Key_Return);
        });
        const auto choice = askMathTest(nullptr, testMinutes, child(10, 8));
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->kind, choice->minutes, choice->problemCount),
                 std::tuple(3, 30, 240));
    }

    void resultsShowTheCorrectAnswerOfTheWrongOnePicked() {
        answerModal([](QWidget* window) {
            QCOMPARE(window->findChild<QLabel*>("scoreLabel")->text(),
                     QString("Percent correct = 85.00\n 17 Correct out of 20"));
            auto* list = control<QListWidget>(window, 330);
            auto* answer = control<QLineEdit>(window, 332);
            QCOMPARE(QApplication::focusWidget(), list);
            QVERIFY(list->selectedItems().isEmpty());
            QVERIFY(answer->isReadOnly());
            const QRect second = list->visualItemRect(list->item(1));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
            QCOMPARE(answer->text(), QString(" 54"));
            pressKey(window, Qt::Key_Down);
            QCOMPARE(answer->text(), QString(" 3"));
            saveShot(window, "results_selected");
            pressKey(window, Qt::Key_Return);
            QVERIFY(!window->isVisible());
        });
        showResultsWindow(nullptr, seventeenOfTwenty());
    }

    void dialogsBlockOnlyTheirOwnerAndAreCentred() {
        QWidget owner;
        owner.setGeometry(10, 10, 400, 300);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QWidget* parent = nullptr;
        Qt::WindowModality modality = Qt::NonModal;
        QPoint centre;
        answerModal([&](QWidget* window) {
            parent = window->parentWidget();
            modality = window->windowModality();
            centre = window->geometry().center();
            pressKey(window, Qt::Key_Escape);
        });
        QVERIFY(!askDrillOptions(&owner, drillSeconds).has_value());
        QCOMPARE(parent, &owner);
        QCOMPARE(modality, Qt::WindowModal);
        const QPoint screenCentre = owner.screen()->availableGeometry().center();
        QVERIFY2((centre - screenCentre).manhattanLength() <= 6,
                 qPrintable(QString("%1,%2").arg(centre.x()).arg(centre.y())));
    }
};

static const bool registered = registerWidgetTest<DialogWindowsTest>();

#include "DialogWindowsTest.moc"
