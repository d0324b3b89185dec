#include "OptionDialogsTest.h"

#include "DialogTestSupport.h"
#include "dialogs/DrillOptionsDialog.h"
#include "dialogs/TestOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {
const std::vector<std::string> drillSeconds{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};

struct ExpectedOption {
    int id;
    const char* text;
    QRect rect;
};
} // namespace

void OptionDialogsTest::drillOpensWithAddAndTwoSeconds() {
    answerModal([](QWidget* window) {
        saveShot(window, "drill_options");
        QString cutOff;
        QVERIFY2(allTextsFit(window, cutOff), qPrintable(cutOff));
        QCOMPARE(window->windowTitle(), QString("Drill Math Tables"));
        QCOMPARE(window->size(), QSize(360, 220));
        QVERIFY(hasOptionDialogFrame(window));
        const ExpectedOption options[] = {
            {341, "Add", {50, 40, 80, 15}},           {342, "Sub", {50, 60, 80, 15}},
            {343, "Mult", {50, 80, 80, 15}},          {344, "Div", {50, 100, 80, 15}},
            {345, "Mix All", {150, 40, 120, 15}},     {346, "Mix Add+Sub", {150, 60, 120, 15}},
            {347, "Mix Mult+Div", {150, 80, 120, 15}}};
        for (const ExpectedOption& expected : options) {
            auto* option = control<QRadioButton>(window, expected.id);
            QVERIFY(option != nullptr);
            QCOMPARE(option->text(), QString(expected.text));
            QCOMPARE(option->geometry(), expected.rect);
            QCOMPARE(option->isChecked(), expected.id == 341);
        }
        auto* flash = control<QCheckBox>(window, 351);
        QCOMPARE(flash->text(), QString("Flash cards - Timer(secs):"));
        QCOMPARE(flash->geometry(), QRect(20, 130, 180, 15));
        QVERIFY(!flash->isChecked());
        auto* seconds = control<QComboBox>(window, 352);
        QCOMPARE(seconds->count(), 10);
        QCOMPARE(seconds->currentText(), QString("2"));
        QCOMPARE(seconds->pos(), QPoint(200, 128));
        QCOMPARE(seconds->width(), 45);
        QVERIFY(!seconds->isEditable());
        QCOMPARE(control<QPushButton>(window, 1)->geometry(), QRect(170, 175, 60, 30));
        QVERIFY(control<QPushButton>(window, 1)->isDefault());
        QCOMPARE(control<QPushButton>(window, 2)->geometry(), QRect(240, 175, 60, 30));
        QCOMPARE(window->findChild<QLabel*>("mathFunctionLabel")->geometry(),
                 QRect(20, 10, 200, 30));
        pressKey(window, Qt::Key_Return);
    });
    QVERIFY(askDrillOptions(nullptr, drillSeconds).has_value());
}

void OptionDialogsTest::drillOkUntouchedIsAnUntimedAdd() {
    answerModal([](QWidget* window) { click(control<QPushButton>(window, 1)); });
    const auto choice = askDrillOptions(nullptr, drillSeconds);
    QVERIFY(choice.has_value());
    QCOMPARE(choice->kind, 1);
    QCOMPARE(choice->flashCards, false);
    QCOMPARE(choice->secondsPerCard, 0);
}

void OptionDialogsTest::drillTimerBoxUsesTheSelectedSeconds() {
    answerModal([](QWidget* window) {
        click(control<QCheckBox>(window, 351));
        click(control<QPushButton>(window, 1));
    });
    auto choice = askDrillOptions(nullptr, drillSeconds);
    QVERIFY(choice.has_value());
    QCOMPARE(choice->flashCards, true);
    QCOMPARE(choice->secondsPerCard, 2);

    answerModal([](QWidget* window) {
        click(control<QRadioButton>(window, 346));
        click(control<QCheckBox>(window, 351));
        control<QComboBox>(window, 352)->setFocus();
        pressKey(window, Qt::Key_Down, 3);
        pressKey(window, Qt::Key_Return);
    });
    choice = askDrillOptions(nullptr, drillSeconds);
    QVERIFY(choice.has_value());
    QCOMPARE(choice->kind, 6);
    QCOMPARE(choice->flashCards, true);
    QCOMPARE(choice->secondsPerCard, 5);
}

void OptionDialogsTest::drillClearedTimerBoxIsUntimed() {
    answerModal([](QWidget* window) {
        click(control<QRadioButton>(window, 347));
        click(control<QCheckBox>(window, 351));
        click(control<QCheckBox>(window, 351));
        pressKey(window, Qt::Key_Return);
    });
    const auto choice = askDrillOptions(nullptr, drillSeconds);
    QVERIFY(choice.has_value());
    QCOMPARE(choice->kind, 7);
    QCOMPARE(choice->flashCards, false);
    QCOMPARE(choice->secondsPerCard, 0);
}

void OptionDialogsTest::drillEscapeGivesNothing() {
    answerModal([](QWidget* window) {
        click(control<QCheckBox>(window, 351));
        pressKey(window, Qt::Key_Escape);
    });
    QVERIFY(!askDrillOptions(nullptr, drillSeconds).has_value());
}

void OptionDialogsTest::testOptionsShowsThreeButtons() {
    answerModal([](QWidget* window) {
        saveShot(window, "test_options");
        QCOMPARE(window->windowTitle(), QString("Test Options"));
        QCOMPARE(window->size(), QSize(280, 160));
        QVERIFY(hasOptionDialogFrame(window));
        QCOMPARE(control<QPushButton>(window, 221)->text(), QString("Take test on computer"));
        QCOMPARE(control<QPushButton>(window, 221)->geometry(), QRect(20, 20, 150, 25));
        QCOMPARE(control<QPushButton>(window, 222)->text(), QString("Print test pages"));
        QCOMPARE(control<QPushButton>(window, 222)->geometry(), QRect(20, 60, 150, 25));
        QCOMPARE(control<QPushButton>(window, 223)->text(), QString("Report printed test"));
        QCOMPARE(control<QPushButton>(window, 223)->geometry(), QRect(20, 100, 150, 25));
        QCOMPARE(control<QPushButton>(window, 1), nullptr);
        QCOMPARE(control<QPushButton>(window, 2), nullptr);
        click(control<QPushButton>(window, 221));
    });
    QCOMPARE(askTestOptions(nullptr), TestOptionsChoice::TestOnComputer);
}

void OptionDialogsTest::testOptionsButtonsReturnTheirChoice() {
    answerModal([](QWidget* window) { click(control<QPushButton>(window, 222)); });
    QCOMPARE(askTestOptions(nullptr), TestOptionsChoice::PrintTestPages);
    answerModal([](QWidget* window) { click(control<QPushButton>(window, 223)); });
    QCOMPARE(askTestOptions(nullptr), TestOptionsChoice::ReportPrintedTest);
}

void OptionDialogsTest::testOptionsEscapeIsClosed() {
    answerModal([](QWidget* window) { pressKey(window, Qt::Key_Escape); });
    QCOMPARE(askTestOptions(nullptr), TestOptionsChoice::Closed);
    answerModal([](QWidget* window) { window->close(); });
    QCOMPARE(askTestOptions(nullptr), TestOptionsChoice::Closed);
}

void OptionDialogsTest::dialogsBlockOnlyTheirOwnerAndAreCentred() {
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
