#include "printtests/PrintTestDialog.h"
#include "support/ModalHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <optional>

namespace {

struct PrintRequest {
    int testNumber = 0;
    int copies = 0;
    bool withAnswers = false;
    OperationKind kind = OperationKind::None;
    std::int32_t highestTestIdAtPrinting = 0;
};

template <typename T> T* control(QWidget* dialog, int id) {
    return dialog->findChild<T*>(QString::number(id));
}

// Opens the dialog with a recording print step and lets `drive` work it like a child.
std::optional<PrintRequest> runDialog(Settings& settings, std::function<void(QWidget*)> drive) {
    std::optional<PrintRequest> request;
    whenModalOpens(drive);
    showPrintTestDialog(
        nullptr, settings, [&](int testNumber, int copies, bool withAnswers, OperationKind kind) {
            request = PrintRequest{testNumber, copies, withAnswers, kind, settings.highestTestId};
        });
    return request;
}

void typeInto(QWidget* dialog, int id, const QString& text) {
    auto* box = control<QLineEdit>(dialog, id);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

} // namespace

class PrintTestDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The program's own default: the platform's sans face at 10 points.
        QFont font = QApplication::font();
        font.setPointSize(10);
        QApplication::setFont(font);
    }

    void opensWithTheNextTestIdAndTheLayout() {
        Settings settings;
        settings.highestTestId = 11;
        const auto request = runDialog(settings, [](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Print Test Pages"));
            QCOMPARE(dialog->windowModality(), Qt::WindowModal);
            const struct {
                int id;
                QRect rect;
                QString text;
            } controls[] = {{231, {20, 20, 40, 20}, " 12"},
                            {232, {20, 50, 40, 20}, ""},
                            {1, {120, 170, 60, 30}, "&Ok"},
                            {2, {185, 170, 60, 30}, "&Cancel"}};
            for (const auto& c : controls) {
                auto* widget = control<QWidget>(dialog, c.id);
                QCOMPARE(widget->geometry(), c.rect);
                QCOMPARE(widget->property("text").toString(), c.text);
            }
            auto* types = control<QComboBox>(dialog, 233);
            QCOMPARE(types->count(), 7);
            QCOMPARE(types->currentText(), QString("Add"));
            QCOMPARE(types->geometry().topLeft(), QPoint(20, 80));
            auto* answers = control<QCheckBox>(dialog, 234);
            QCOMPARE(answers->text(), QString("Answers to last page printed"));
            QCOMPARE(answers->geometry().topLeft(), QPoint(20, 120));
            QVERIFY(answers->width() >= answers->sizeHint().width());
            saveShot(dialog, "print_test_pages");
            typeInto(dialog, 231, "99");
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!request.has_value()); // Escape cancels without printing
        QCOMPARE(settings.highestTestId, 11);
    }

    void okPrintsWithTheChoicesAndRaisesTheTestIdFirst() {
        Settings settings;
        settings.highestTestId = 11;
        const auto request = runDialog(settings, [](QWidget* dialog) {
            typeInto(dialog, 232, "3");
            QTest::keyClick(control<QLineEdit>(dialog, 232), Qt::Key_Tab);
            auto* types = control<QComboBox>(dialog, 233);
            QVERIFY(types->hasFocus());
            QTest::keyClick(types, Qt::Key_Down);
            QTest::keyClick(types, Qt::Key_Down);
            QTest::keyClick(types, Qt::Key_Down);
            QCOMPARE(types->currentText(), QString("Div"));
            QTest::keyClick(types, Qt::Key_Tab);
            QTest::keyClick(control<QCheckBox>(dialog, 234), Qt::Key_Space);
            QTest::keyClick(control<QCheckBox>(dialog, 234), Qt::Key_Return);
        });
        QVERIFY(request.has_value());
        QCOMPARE(request->testNumber, 12);
        QCOMPARE(request->copies, 3);
        QVERIFY(request->withAnswers);
        QCOMPARE(request->kind, OperationKind::Div);
        QCOMPARE(request->highestTestIdAtPrinting, 12);
        QCOMPARE(settings.highestTestId, 12);
        QVERIFY(settings.settingsDirty);
        QCOMPARE(settings.testIdBeingPrinted, 12);
    }

    void smallerTestIdLeavesTheHighestAloneAndTypedKindCounts() {
        Settings settings;
        settings.highestTestId = 20;
        const auto request = runDialog(settings, [](QWidget* dialog) {
            typeInto(dialog, 231, "5");
            auto* types = control<QComboBox>(dialog, 233);
            types->setFocus();
            types->lineEdit()->selectAll();
            QTest::keyClicks(types, "mul/div"); // matched without regard to case
            QTest::keyClick(types, Qt::Key_Return);
        });
        QVERIFY(request.has_value());
        QCOMPARE(request->testNumber, 5);
        QCOMPARE(request->copies, 0);
        QCOMPARE(request->kind, OperationKind::MultDiv);
        QCOMPARE(settings.highestTestId, 20);
        QVERIFY(!settings.settingsDirty);
    }

    void unknownKindIsRefusedAndTheDialogStays() {
        Settings settings;
        settings.highestTestId = 4;
        QString message;
        bool stillOpen = false;
        const auto request = runDialog(settings, [&](QWidget* dialog) {
            auto* types = control<QComboBox>(dialog, 233);
            types->setFocus();
            types->lineEdit()->selectAll();
            QTest::keyClicks(types, "Times");
            whenModalOpens(
                [&](QWidget* box) {
                    message = qobject_cast<QMessageBox*>(box)->text();
                    QTest::keyClick(box, Qt::Key_Return);
                },
                dialog);
            QTest::mouseClick(control<QPushButton>(dialog, 1), Qt::LeftButton);
            stillOpen = dialog->isVisible();
            QTest::mouseClick(control<QPushButton>(dialog, 2), Qt::LeftButton);
        });
        QVERIFY(stillOpen);
        QVERIFY2(message.contains("\"Times\" is not a problem type"), qPrintable(message));
        QVERIFY(!request.has_value());
        QCOMPARE(settings.highestTestId, 4);
        QVERIFY(!settings.settingsDirty);
    }

    void emptyTestIdPrintsTestZero() {
        Settings settings;
        settings.highestTestId = 2;
        const auto request = runDialog(settings, [](QWidget* dialog) {
            typeInto(dialog, 231, "");
            QTest::keyClick(control<QLineEdit>(dialog, 231), Qt::Key_Backspace);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QVERIFY(request.has_value());
        QCOMPARE(request->testNumber, 0);
        QCOMPARE(settings.highestTestId, 2);
    }

    void cancelledPrinterDialogKeepsTheRaisedTestId() {
        Settings settings;
        settings.highestTestId = 11;
        StudentRecord student;
        bool printerDialogShown = false;
        bool closed = false;
        whenModalOpens([&](QWidget* dialog) {
            whenModalOpens(
                [&](QWidget* printerDialog) {
                    printerDialogShown = true;
                    QTest::keyClick(printerDialog, Qt::Key_Escape);
                },
                dialog);
            QTest::keyClick(dialog, Qt::Key_Return);
            closed = !dialog->isVisible();
        });
        showPrintTestDialog(nullptr, settings, student);
        QVERIFY(printerDialogShown);
        QVERIFY(closed);
        QCOMPARE(settings.highestTestId, 12);
        QVERIFY(settings.settingsDirty);
    }
};

QTEST_MAIN(PrintTestDialogTest)
#include "PrintTestDialogTest.moc"
