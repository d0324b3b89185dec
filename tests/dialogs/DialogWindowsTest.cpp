// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DrillOptionsDialog.h"
#include "dialogs/LearnOptionsDialog.h"
#include "dialogs/MathTestDialog.h"
#include "dialogs/MessageLayout.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResultsWindow.h"
#include "report/ReportTestData.h"
#include "support/ControlHelpers.h"
#include "support/ModalHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <functional>

namespace {
// Answers the next modal window as a child meets it; a window the answer leaves open is closed.
void answerModal(std::function<void(QWidget*)> answer) {
    whenModalOpens([answer](QWidget* window) {
        answer(window);
        window->close();
    });
}

// Presses a key where the keyboard focus is, as a child would.
void pressKey(QWidget* window, Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr ? focused : window, key);
    }
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

constexpr int information = 64;

const std::vector<std::string> drillSeconds{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
const std::vector<std::string> testMinutes{"1", "2",  "3",  "4",  "5",  "6",  "7", "8",
                                           "9", "10", "12", "15", "20", "25", "30"};

ResultsSummary seventeenOfTwenty() {
    ResultsSummary summary;
    summary.testProblemCount = 20;
    summary.correctCount = 17;
    summary.recordCount = 4;
    summary.wrongList = {
        {" 7  x  8  =  54", " 56"}, {" 9  x  6  =  ", " 54"}, {" 12  /  4  =  4", " 3"}};
    return summary;
}
} // namespace

// The option dialogs, the results window and the message window: what a child does with
// the keys and the mouse, and what comes back.
class DialogWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useProgramFont(); }

    // The drill dialog stands for all, which share one frame: it blocks only its owner, opens
    // mid-screen with only a system menu and minimise box, and Escape closes it, choosing nothing.
    void dialogBlocksItsOwnerAndEscapeCloses() {
        QWidget owner;
        owner.setGeometry(10, 10, 400, 300);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        bool closed = false;
        answerModal([&](QWidget* window) {
            saveShot(window, "drill_math_tables");
            QCOMPARE(window->parentWidget(), &owner);
            const QPoint screenCentre = owner.screen()->availableGeometry().center();
            QVERIFY((window->geometry().center() - screenCentre).manhattanLength() <= 6);
            const auto frame = Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint;
            QCOMPARE(window->windowFlags() & frame,
                     Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
            pressKey(window, Qt::Key_Escape);
            closed = !window->isVisible();
        });
        QVERIFY(!askDrillOptions(&owner, drillSeconds));
        QVERIFY(closed);
    }

    // Keys and clicks reach the choice; the remembered one is preselected; Ok without a number
    // gives 0.
    void learnChoicesComeBackOnOk() {
        StudentRecord remembered = newChild();
        remembered.mulDivHigh = 9;
        remembered.lastLearnOp = 3;
        remembered.lastLearnNumber = 7;
        const struct {
            StudentRecord student;
            bool showAll;
            std::function<void(QWidget*)> answer;
            std::tuple<int, int, bool> expected;
        } cases[] = {
            {newChild(),
             false,
             [](QWidget* window) {
                 QCOMPARE(QApplication::focusWidget(), control<QComboBox>(window, 317));
                 pressKey(window, Qt::Key_Down, 7);
                 click(control<QRadioButton>(window, 343));
                 control<QComboBox>(window, 317)->setFocus();
                 pressKey(window, Qt::Key_Return);
             },
             {3, 7, false}},
            {remembered,
             true,
             [](QWidget* window) {
                 saveShot(window, "learn_math_tables_remembered");
                 click(control<QCheckBox>(window, 111));
                 click(control<QPushButton>(window, 1));
             },
             {3, 7, false}},
            {newChild(),
             true,
             [](QWidget* window) { pressKey(window, Qt::Key_Enter); },
             {1, 0, true}},
        };
        for (const auto& c : cases) {
            answerModal(c.answer);
            const auto choice = askLearnOptions(nullptr, c.student, c.showAll);
            QVERIFY(choice.has_value());
            QCOMPARE(std::tuple(choice->operation, choice->number, choice->showAllAnswers),
                     c.expected);
        }
    }

    void drillFlashCardsByKeys() {
        answerModal([](QWidget* window) {
            click(control<QRadioButton>(window, 346));
            click(control<QCheckBox>(window, 351));
            control<QComboBox>(window, 352)->setFocus();
            pressKey(window, Qt::Key_Down, 3);
            click(control<QPushButton>(window, 1));
        });
        const auto choice = askDrillOptions(nullptr, drillSeconds);
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->kind, choice->flashCards, choice->secondsPerCard),
                 std::tuple(6, true, 5));
    }

    // Alt+P: a mix becomes its first operation; the mixes and the flash cards wait.
    void drillFactPracticeByItsMnemonic() {
        answerModal([](QWidget* window) {
            click(control<QRadioButton>(window, 347));
            click(control<QCheckBox>(window, 351));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
            QTRY_VERIFY(control<QCheckBox>(window, 353)->isChecked()); // an animated click
            saveShot(window, "drill_math_tables_facts");
            QVERIFY(!control<QRadioButton>(window, 345)->isEnabled());
            QVERIFY(!control<QCheckBox>(window, 351)->isEnabled());
            pressKey(window, Qt::Key_Return);
        });
        const auto choice = askDrillOptions(nullptr, drillSeconds);
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->kind, choice->flashCards, choice->factPractice),
                 std::tuple(3, false, true));
    }

    // The count rule is ProblemCount's table; here the label follows the minutes (by keys)
    // and the kind, and Ok gives the count shown.
    void mathTestCountFollowsMinutesAndKind() {
        StudentRecord student = newChild();
        student.addSubPerMin = 10;
        student.mulDivPerMin = 8;
        answerModal([](QWidget* window) {
            QCOMPARE(control<QLabel>(window, 323)->text(), QString("Number of problems = 100"));
            click(control<QRadioButton>(window, 343));
            QCOMPARE(control<QLabel>(window, 323)->text(), QString("Number of problems = 80"));
            control<QComboBox>(window, 321)->setFocus();
            pressKey(window, Qt::Key_End);
            QCOMPARE(control<QLabel>(window, 323)->text(), QString("Number of problems = 240"));
            pressKey(window, Qt::Key_Return);
        });
        const auto choice = askMathTest(nullptr, testMinutes, student);
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->kind, choice->minutes, choice->problemCount),
                 std::tuple(3, 30, 240));
    }

    void resultsShowTheCorrectAnswerOfTheWrongOnePicked() {
        answerModal([](QWidget* window) {
            auto* list = control<QListWidget>(window, 330);
            auto* answer = control<QLineEdit>(window, 332);
            QCOMPARE(QApplication::focusWidget(), list);
            QVERIFY(list->selectedItems().isEmpty());
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

    // The message window: topmost, the text in its colour, the key's result, and over the active
    // window (blocking it alone, as its snapshot's modality says) or the whole program.
    void messageAnswersItsKeysOverTheActiveWindow() {
        QWidget owner;
        owner.setGeometry(100, 100, 600, 400);
        const struct {
            const char* shot;
            const char* caption;
            std::string text;
            int style;
            std::optional<QColor> colour; // none: black
            bool overOwner;               // else at (350, 250)
            Qt::Key key;
            int result;
        } cases[] = {
            {"wrong_answer_message", "*** WRONG ANSWER ***", "\r\n  Correct answer is:  14",
             information, Qt::red, false, Qt::Key_Return, 1},
            {"message_yes_no_cancel", "Question", "Save it?", 32 + 3, std::nullopt, false,
             Qt::Key_Escape, 7},
            {"message_over_owner", "Question", "Centred", information, std::nullopt, true,
             Qt::Key_Return, 1},
        };
        for (const auto& c : cases) {
            if (c.overOwner) {
                owner.show();
                owner.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&owner));
            }
            QWidget* parent = nullptr;
            answerModal([&](QWidget* window) {
                saveShot(window, c.shot);
                const Qt::WindowFlags flags = window->windowFlags();
                QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
                QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                                   Qt::WindowMinimizeButtonHint)));
                QCOMPARE(control<QLabel>(window, 9990)->palette().color(QPalette::WindowText),
                         c.colour.value_or(Qt::black));
                parent = window->parentWidget();
                pressKey(window, c.key);
            });
            const QPoint at = c.overOwner ? QPoint(0, 0) : QPoint(350, 250);
            QCOMPARE(showMessage(c.text, c.style, c.caption, 0, at.x(), at.y(), c.colour),
                     c.result);
            QCOMPARE(parent, c.overOwner ? &owner : nullptr);
        }
    }
};

QTEST_MAIN(DialogWindowsTest)
#include "DialogWindowsTest.moc"
