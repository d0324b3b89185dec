// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DialogTables.h"
#include "dialogs/DrillOptionsDialog.h"
#include "dialogs/LearnOptionsDialog.h"
#include "dialogs/MathTestDialog.h"
#include "dialogs/MessageLayout.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResultsWindow.h"
#include "dialogs/TestOptionsDialog.h"
#include "support/ControlChecks.h"
#include "support/ModalHelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

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

// True when every label, check box and option button shows its whole text inside its
// rectangle; the first one that does not is named in `cutOff`.
bool allTextsFit(const QWidget* window, QString& cutOff) {
    for (QWidget* text : window->findChildren<QWidget*>()) {
        const bool showsText = text->inherits("QLabel") || text->inherits("QCheckBox") ||
                               text->inherits("QRadioButton");
        if (showsText && text->sizeHint().width() > text->width()) {
            cutOff = text->objectName();
            return false;
        }
    }
    return true;
}

constexpr int information = 64;

QPushButton* button(QWidget* window, int id) {
    return control<QPushButton>(window, id);
}

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

// The option dialogs, the results window and the message window: layout from their tables,
// and what a child does with the keys and the mouse.
class DialogWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The program's own default: the platform's sans face at 10 points.
        QFont font = QApplication::font();
        font.setPointSize(10);
        QApplication::setFont(font);
    }

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
                // A system menu and minimise box, but no maximise box and no "?".
                const auto frame = Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                   Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint;
                QCOMPARE(window->windowFlags() & frame,
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
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
            answerModal([id = id](QWidget* window) {
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

    // The program's own message window.
    void wrongAnswerMessageIsRedOnWhite() {
        bool answered = false;
        answerModal([&answered](QWidget* window) {
            saveShot(window, "wrong_answer_message");
            QCOMPARE(window->windowTitle(), QString("*** WRONG ANSWER ***"));
            const Qt::WindowFlags flags = window->windowFlags();
            QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
            QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
            QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
            QCOMPARE(window->frameGeometry(), QRect(350, 250, 220, 120)); // frame included
            QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));
            auto* label = control<QLabel>(window, 9990);
            QCOMPARE(label->text(), QString("\n  Correct answer is:  14"));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
            QCOMPARE(label->pos(), QPoint(50, 5));
            QVERIFY(label->height() >= 2 * label->fontMetrics().lineSpacing());
            QCOMPARE(button(window, 9994)->geometry(), messageButtons(information, 120)[0].rect);
            QVERIFY(button(window, 9994)->isDefault());
            QCOMPARE(button(window, 9991), nullptr);
            answered = true;
            pressKey(window, Qt::Key_Return);
        });
        const int result = showMessage("\r\n  Correct answer is:  14", information,
                                       "*** WRONG ANSWER ***", 1, 350, 250, QColor(Qt::red));
        QVERIFY(answered);
        QCOMPARE(result, 1);
    }

    // The button sets and their results are laid out by MessageLayoutTest; here the window
    // follows that layout and Escape gives the set's escape result.
    void buttonSetFollowsTheLayoutAndEscapeAnswers() {
        answerModal([](QWidget* window) {
            for (const MessageButton& b : messageButtons(32 + 3, 120)) {
                QCOMPARE(button(window, static_cast<int>(b.id))->geometry(), b.rect);
                QCOMPARE(button(window, static_cast<int>(b.id))->text(), b.text);
            }
            QCOMPARE(QApplication::focusWidget(), button(window, 9991));
            saveShot(window, "message_yes_no_cancel");
            pressKey(window, Qt::Key_Escape);
        });
        QCOMPARE(showMessage("Save it?", 32 + 3, "Question", 0, 10, 10), 7);
    }

    void centredOverTheActiveWindow() {
        QWidget owner;
        owner.setGeometry(100, 100, 600, 400);
        owner.show();
        owner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        QRect placed;
        QWidget* parent = nullptr;
        answerModal([&](QWidget* window) {
            placed = window->frameGeometry();
            parent = window->parentWidget();
            pressKey(window, Qt::Key_Return);
        });
        showMessage("Centred", information, "Question", 0, 0, 0);
        QCOMPARE(parent, &owner);
        QCOMPARE(placed.center(), owner.frameGeometry().center());
    }

    void longTextIsNotCutOff() {
        const std::string wide(70, 'W');
        answerModal([&wide](QWidget* window) {
            auto* label = control<QLabel>(window, 9990);
            QVERIFY(label->width() >=
                    label->fontMetrics().horizontalAdvance(QString::fromStdString(wide)));
            QVERIFY(label->geometry().bottom() < button(window, 9994)->y());
            saveShot(window, "message_long");
            pressKey(window, Qt::Key_Return);
        });
        showMessage(wide + "\r\nsecond\r\nthird", information, "Question", 0, 5, 5);
    }
};

QTEST_MAIN(DialogWindowsTest)
#include "DialogWindowsTest.moc"
