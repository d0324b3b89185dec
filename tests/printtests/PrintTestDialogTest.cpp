#include "printtests/PrintTestDialog.h"
#include "support/ControlChecks.h"
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
    bool dialogClosed = false;
};

// Opens the dialog with a recording print step and lets `drive` work it like a child.
std::optional<PrintRequest> runDialog(Settings& settings, std::function<void(QWidget*)> drive) {
    std::optional<PrintRequest> request;
    whenModalOpens(drive);
    showPrintTestDialog(nullptr, settings,
                        [&](int testNumber, int copies, bool withAnswers, OperationKind kind) {
                            request = PrintRequest{testNumber, copies, withAnswers, kind,
                                                   QApplication::activeModalWidget() == nullptr};
                        });
    return request;
}

void typeInto(QWidget* box, const QString& text) {
    box->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->selectAll();
    } else {
        qobject_cast<QComboBox*>(box)->lineEdit()->selectAll();
    }
    QTest::keyClick(box, Qt::Key_Backspace);
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
            checkControls(dialog, PrintTestDialog::controls());
            QCOMPARE(control<QLineEdit>(dialog, 231)->text(), QString(" 12"));
            auto* types = control<QComboBox>(dialog, 233);
            QCOMPARE(types->count(), 7);
            QCOMPARE(types->currentText(), QString("Add"));
            QCOMPARE(types->lineEdit()->accessibleName(), QString("Problem types"));
            saveShot(dialog, "print_test_pages");
            typeInto(control<QLineEdit>(dialog, 231), "99");
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!request.has_value()); // Escape cancels without printing
        QCOMPARE(settings.highestTestId, 11);
    }

    // What is typed and chosen reaches the print step, which runs once the dialog closed;
    // the highest Test ID rises only for a higher one.
    void okPrintsWithTheChoices() {
        const struct {
            int highest;
            QString testId, copies, typedKind; // an empty kind: three Down keys (Div)
            bool answers;
            PrintRequest expected;
            int highestAfter;
        } cases[] = {
            {11, " 12", "3", "", true, {12, 3, true, OperationKind::Div, true}, 12},
            {20, "5", "", "mul/div", false, {5, 0, false, OperationKind::MultDiv, true}, 20},
            {2, "", "1", "Add", false, {0, 1, false, OperationKind::Add, true}, 2},
        };
        for (const auto& c : cases) {
            Settings settings;
            settings.highestTestId = c.highest;
            const auto request = runDialog(settings, [&c](QWidget* dialog) {
                typeInto(control<QLineEdit>(dialog, 231), c.testId);
                typeInto(control<QLineEdit>(dialog, 232), c.copies);
                QTest::keyClick(control<QLineEdit>(dialog, 232), Qt::Key_Tab);
                auto* types = control<QComboBox>(dialog, 233);
                QVERIFY(types->hasFocus());
                if (c.typedKind.isEmpty()) {
                    for (int i = 0; i < 3; ++i) {
                        QTest::keyClick(types, Qt::Key_Down);
                    }
                } else {
                    typeInto(types, c.typedKind); // matched without regard to case
                }
                if (c.answers) {
                    QTest::keyClick(types, Qt::Key_Tab);
                    QTest::keyClick(control<QCheckBox>(dialog, 234), Qt::Key_Space);
                }
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            });
            QVERIFY2(request.has_value(), qPrintable(c.testId));
            QCOMPARE(request->testNumber, c.expected.testNumber);
            QCOMPARE(request->copies, c.expected.copies);
            QCOMPARE(request->withAnswers, c.expected.withAnswers);
            QCOMPARE(request->kind, c.expected.kind);
            QVERIFY(request->dialogClosed);
            QCOMPARE(settings.highestTestId, c.highestAfter);
            QCOMPARE(settings.settingsDirty, c.highestAfter != c.highest);
            QCOMPARE(settings.testIdBeingPrinted, c.expected.testNumber);
        }
    }

    void unknownKindIsRefusedAndTheDialogStays() {
        Settings settings;
        settings.highestTestId = 4;
        QString message;
        bool stillOpen = false;
        const auto request = runDialog(settings, [&](QWidget* dialog) {
            typeInto(control<QComboBox>(dialog, 233), "Times");
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

    // The system printer dialog belongs to the window that asked for the pages; cancelled,
    // it leaves that window with the keyboard and the Test ID raised.
    void cancelledPrinterDialogGivesTheKeysBack() {
        QWidget owner;
        auto* keys = new QLineEdit(&owner);
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        keys->setFocus();
        Settings settings;
        settings.highestTestId = 11;
        StudentRecord student;
        QWidget* printerDialogOwner = nullptr;
        whenModalOpens([&](QWidget* dialog) {
            whenModalOpens(
                [&](QWidget* printerDialog) {
                    printerDialogOwner = printerDialog->parentWidget();
                    QTest::keyClick(printerDialog, Qt::Key_Escape);
                },
                dialog);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        showPrintTestDialog(&owner, settings, student);
        QCOMPARE(printerDialogOwner, &owner);
        QTRY_COMPARE(QApplication::focusWidget(), keys);
        QCOMPARE(settings.highestTestId, 12);
        QVERIFY(settings.settingsDirty);
    }
};

QTEST_MAIN(PrintTestDialogTest)
#include "PrintTestDialogTest.moc"
