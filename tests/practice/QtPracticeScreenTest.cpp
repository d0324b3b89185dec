#include "practice/QtPracticeScreen.h"
#include "PracticeAreaForTest.h"
#include "practice/PracticeEngine.h"
#include "practice/QtPracticeClock.h"
#include "support/ModalHelpers.h"

#include <QProgressBar>
#include <QtTest>

#include <memory>

class QtPracticeScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PracticeAreaForTest> area;
    std::unique_ptr<QtPracticeScreen> screen;
    std::unique_ptr<QtPracticeClock> clock;
    std::unique_ptr<StudentRecord> student;
    std::unique_ptr<PracticeEngine> engine;
    QList<QPoint> wrongAnswers; // where each wrong-answer message was asked for
    QList<ResultsSummary> results;
    QList<int> commands;

    PracticeControls& controls() { return area->controls; }
    QString problemText() {
        return controls().firstOperandLabel->text() + controls().secondOperandLabel->text();
    }

private slots:
    void initTestCase() {
        QFont font = QApplication::font(); // the program's default: sans, 10 points
        font.setPointSize(10);
        QApplication::setFont(font);
    }

    void init() {
        area = std::make_unique<PracticeAreaForTest>();
        wrongAnswers.clear();
        results.clear();
        commands.clear();
        screen = std::make_unique<QtPracticeScreen>(
            controls(),
            [this](const std::string&, const std::string&, int x, int y) {
                wrongAnswers.append({x, y});
            },
            [this](const ResultsSummary& summary) { results.append(summary); });
        clock = std::make_unique<QtPracticeClock>();
        student = std::make_unique<StudentRecord>();
        student->addSubLow = student->mulDivLow = student->mixedLow = 1;
        student->addSubHigh = student->mulDivHigh = student->mixedHigh = 12;
        engine =
            std::make_unique<PracticeEngine>(*screen, *clock, *student, ScreenPoint{10, 20},
                                             [this](int command) { commands.append(command); });
        screen->attach(*engine);
        area->widget()->show();
        QApplication::setActiveWindow(area->widget());
        QVERIFY(QTest::qWaitForWindowActive(area->widget()));
    }

    void cleanup() {
        engine.reset();
        screen.reset();
        area.reset();
    }

    // The learn run itself is driven through the real window by MainWindowCommandsTest; here
    // only the screenshots of the practice area and the wrong-answer call's point.
    void learnRunShots() {
        engine->beforeToolbarCommand(PracticeCommand::learn);
        engine->startLearn(3, 7, false);
        QTest::mouseClick(controls().nextButton, Qt::LeftButton);
        QTest::keyClick(controls().answerBox, Qt::Key_7);
        saveShot(area->widget(), "practice_learn");
        QTest::mouseClick(controls().nextButton, Qt::LeftButton);
        QTest::keyClicks(controls().answerBox, "15");
        QCOMPARE(wrongAnswers, QList<QPoint>{QPoint(360, 270)});
        QTest::mouseClick(controls().showAnswerButton, Qt::LeftButton);
        QCOMPARE(controls().answerLabel->text(), QString("21"));
        saveShot(area->widget(), "practice_learn_answer");
    }

    void lettersAreRefusedAndSettingTheSameTextStillReportsAChange() {
        engine->beforeToolbarCommand(PracticeCommand::learn);
        engine->startLearn(1, 7, false);
        QTest::mouseClick(controls().nextButton, Qt::LeftButton);
        QTest::keyClicks(controls().answerBox, "x");
        QCOMPARE(controls().answerBox->text(), QString());
        QVERIFY(wrongAnswers.isEmpty());
        controls().happyImage->show();
        screen->setText(ControlId::AnswerBox, ""); // already empty
        QVERIFY(!controls().happyImage->isVisible());
    }

    void testTimeBarAndTimers() {
        engine->beforeToolbarCommand(PracticeCommand::test);
        engine->startTest(1, 2, 24);
        QTest::mouseClick(controls().nextButton, Qt::LeftButton);
        auto* bar = area->widget()->findChild<QProgressBar*>("329");
        QVERIFY(bar != nullptr);
        QCOMPARE(bar, screen->timeBar());
        QCOMPARE(bar->maximum(), 120);
        QCOMPARE(bar->accessibleName(), QString("Time used"));
        QVERIFY(screen->testTimer().isActive());
        QCOMPARE(screen->testTimer().interval(), 1000);
        screen->setTimeBarPosition(500);
        QCOMPARE(bar->value(), 120);
        saveShot(area->widget(), "practice_test");

        engine->cmdEscape();
        QVERIFY(area->widget()->findChild<QProgressBar*>("329") == nullptr);
        QVERIFY(!screen->testTimer().isActive());
        QCOMPARE(screen->focusedControl(), ControlId::LearnButton);
        QTest::keyClick(controls().toolbarButtons[0], Qt::Key_Tab);
        QCOMPARE(screen->focusedControl(), ControlId::DrillButton);
    }

    void flashCardsTickFromTheFlashTimer() {
        engine->beforeToolbarCommand(PracticeCommand::drill);
        engine->startDrill(1, 1);
        QVERIFY(!controls().answerBox->isEnabled());
        QTest::mouseClick(controls().nextButton, Qt::LeftButton);
        QCOMPARE(controls().nextButton->text(), QString("Stop"));
        QVERIFY(screen->flashTimer().isActive());
        QCOMPARE(screen->flashTimer().interval(), 1000);
        const int firstSlot = engine->state().problemIndex;
        screen->startFlashTimer(5); // a short period, so the test waits no real second
        QTRY_VERIFY_WITH_TIMEOUT(engine->state().problemIndex != firstSlot, 1000);
        QCOMPARE(screen->flashTimer().interval(), 1000); // the tick started the next card
        saveShot(area->widget(), "practice_flash");
        QTest::mouseClick(controls().nextButton, Qt::LeftButton); // Stop
        QVERIFY(!screen->flashTimer().isActive());
        QCOMPARE(problemText(), QString());
    }

    void clockReadsTheSystemClocks() {
        const CalendarDate today = clock->today();
        QCOMPARE(today.year, QDate::currentDate().year());
        const double first = clock->monotonicSeconds();
        QTest::qWait(20);
        QVERIFY(clock->monotonicSeconds() > first);
        QVERIFY(clock->secondsSinceMidnight() >= 0.0);
        QVERIFY(clock->secondsSinceMidnight() < 86400.0);
    }
};

QTEST_MAIN(QtPracticeScreenTest)
#include "QtPracticeScreenTest.moc"
