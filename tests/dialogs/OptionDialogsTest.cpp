#include "DialogTestSupport.h"
#include "dialogs/DrillOptionsDialog.h"
#include "dialogs/TestOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QScreen>

namespace {
const std::vector<std::string> drillSeconds{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
} // namespace

// The Drill options dialog and the three-button Test Options dialog.
class OptionDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void drillOpensWithAddAndTwoSeconds() {
        answerModal([](QWidget* window) {
            saveShot(window, "drill_options");
            QString cutOff;
            QVERIFY2(allTextsFit(window, cutOff), qPrintable(cutOff));
            QCOMPARE(window->windowTitle(), QString("Drill Math Tables"));
            QCOMPARE(window->size(), QSize(360, 220));
            QVERIFY(hasOptionDialogFrame(window));
            checkControls(window, {{"mathFunctionLabel", nullptr, {20, 10, 200, 30}},
                                   {"341", "Add", {50, 40, 80, 15}},
                                   {"342", "Sub", {50, 60, 80, 15}},
                                   {"343", "Mult", {50, 80, 80, 15}},
                                   {"344", "Div", {50, 100, 80, 15}},
                                   {"345", "Mix All", {150, 40, 120, 15}},
                                   {"346", "Mix Add+Sub", {150, 60, 120, 15}},
                                   {"347", "Mix Mult+Div", {150, 80, 120, 15}},
                                   {"351", "Flash cards - Timer(secs):", {20, 130, 180, 15}},
                                   {"1", nullptr, {170, 175, 60, 30}},
                                   {"2", nullptr, {240, 175, 60, 30}}});
            for (int id = 341; id <= 347; ++id) {
                QCOMPARE(control<QRadioButton>(window, id)->isChecked(), id == 341);
            }
            QVERIFY(!control<QCheckBox>(window, 351)->isChecked());
            auto* seconds = control<QComboBox>(window, 352);
            QCOMPARE(seconds->pos(), QPoint(200, 128));
            QCOMPARE(seconds->currentText(), QString("2"));
            QVERIFY(control<QPushButton>(window, 1)->isDefault());
            click(control<QPushButton>(window, 1)); // untouched: an untimed Add drill
        });
        const auto choice = askDrillOptions(nullptr, drillSeconds);
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->kind, choice->flashCards, choice->secondsPerCard),
                 std::tuple(1, false, 0));
    }

    void flashCardsChosenWithKeys() {
        answerModal([](QWidget* window) {
            click(control<QRadioButton>(window, 346));
            click(control<QCheckBox>(window, 351));
            control<QComboBox>(window, 352)->setFocus();
            pressKey(window, Qt::Key_Down, 3);
            pressKey(window, Qt::Key_Return);
        });
        const auto choice = askDrillOptions(nullptr, drillSeconds);
        QVERIFY(choice.has_value());
        QCOMPARE(std::tuple(choice->kind, choice->flashCards, choice->secondsPerCard),
                 std::tuple(6, true, 5));
        answerModal([](QWidget* window) { pressKey(window, Qt::Key_Escape); });
        QVERIFY(!askDrillOptions(nullptr, drillSeconds).has_value());
    }

    void testOptionsButtonsReturnTheirChoice() {
        answerModal([](QWidget* window) {
            saveShot(window, "test_options");
            QCOMPARE(window->windowTitle(), QString("Test Options"));
            QCOMPARE(window->size(), QSize(280, 160));
            QVERIFY(hasOptionDialogFrame(window));
            checkControls(window, {{"221", "Take test on computer", {20, 20, 150, 25}},
                                   {"222", "Print test pages", {20, 60, 150, 25}},
                                   {"223", "Report printed test", {20, 100, 150, 25}}});
            QCOMPARE(control<QPushButton>(window, 1), nullptr);
            QCOMPARE(control<QPushButton>(window, 2), nullptr);
            click(control<QPushButton>(window, 221));
        });
        QCOMPARE(askTestOptions(nullptr), TestOptionsChoice::TestOnComputer);
        answerModal([](QWidget* window) { click(control<QPushButton>(window, 222)); });
        QCOMPARE(askTestOptions(nullptr), TestOptionsChoice::PrintTestPages);
        answerModal([](QWidget* window) { click(control<QPushButton>(window, 223)); });
        QCOMPARE(askTestOptions(nullptr), TestOptionsChoice::ReportPrintedTest);
        answerModal([](QWidget* window) { pressKey(window, Qt::Key_Escape); });
        QCOMPARE(askTestOptions(nullptr), TestOptionsChoice::Closed);
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

static const bool registered = registerWidgetTest<OptionDialogsTest>();

#include "OptionDialogsTest.moc"
