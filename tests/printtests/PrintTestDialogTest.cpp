// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/PrintTestDialog.h"
#include "dialogs/DialogTestKit.h"
#include "support/ModalHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>

namespace {
// Opens the dialog with a recording print step and lets `drive` work it like a child; the
// request reads "test 12, 3 copies, answers, kind 4, dialog closed" ("" when none).
QString runDialog(Settings& settings, std::function<void(QWidget*)> drive) {
    QString request;
    whenModalOpens(drive);
    showPrintTestDialog(
        nullptr, settings, [&](int testNumber, int copies, bool withAnswers, OperationKind kind) {
            request = QString("test %1, %2 copies, %3, kind %4, dialog %5")
                          .arg(testNumber)
                          .arg(copies)
                          .arg(withAnswers ? "answers" : "no answers")
                          .arg(static_cast<int>(kind))
                          .arg(QApplication::activeModalWidget() == nullptr ? "closed" : "open");
        });
    return request;
}
} // namespace

class PrintTestDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useProgramFont(); }

    // What is typed and chosen reaches the print step, which runs once the dialog closed;
    // the highest Test ID rises only for a higher one.
    void okPrintsWithTheChoices() {
        const struct {
            int highest;
            QString testId, copies, typedKind; // an empty kind: three Down keys (Div)
            bool answers;
            QString expected;
            int testNumber, highestAfter;
        } cases[] = {
            {11, " 12", "3", "", true, "test 12, 3 copies, answers, kind 4, dialog closed", 12, 12},
            {20, "5", "", "mul/div", false, "test 5, 0 copies, no answers, kind 7, dialog closed",
             5, 20},
            {2, "", "1", "Add", false, "test 0, 1 copies, no answers, kind 1, dialog closed", 0, 2},
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
            QCOMPARE(request, c.expected);
            QCOMPARE(settings.highestTestId, c.highestAfter);
            QCOMPARE(settings.settingsDirty, c.highestAfter != c.highest);
            QCOMPARE(settings.testIdBeingPrinted, c.testNumber);
        }
    }

    // An unknown problem type is refused and the dialog stays; Escape then closes it without
    // printing, whatever was typed.
    void unknownKindIsRefusedAndEscapeCancels() {
        Settings settings;
        settings.highestTestId = 11;
        QString message;
        bool stillOpen = false;
        const auto request = runDialog(settings, [&](QWidget* dialog) {
            saveShot(dialog, "print_test_pages");
            typeInto(control<QLineEdit>(dialog, 231), "99");
            typeInto(control<QComboBox>(dialog, 233), "Times");
            whenModalOpens(
                [&](QWidget* box) {
                    message = qobject_cast<QMessageBox*>(box)->text();
                    QTest::keyClick(box, Qt::Key_Return);
                },
                dialog);
            QTest::mouseClick(control<QPushButton>(dialog, 1), Qt::LeftButton);
            stillOpen = dialog->isVisible();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(stillOpen);
        QVERIFY2(message.contains("\"Times\" is not a problem type"), qPrintable(message));
        QCOMPARE(request, QString());
        QCOMPARE(settings.highestTestId, 11);
        QVERIFY(!settings.settingsDirty);
    }

    // The system printer dialog belongs to the window that asked for the pages (how it gives
    // the keys back is the printer's test).
    void printerDialogStandsOverTheOwner() {
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        Settings settings;
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
    }
};

QTEST_MAIN(PrintTestDialogTest)
#include "PrintTestDialogTest.moc"
