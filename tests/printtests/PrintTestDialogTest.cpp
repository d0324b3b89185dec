// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/PrintTestDialog.h"
#include "support/ControlChecks.h"
#include "support/ModalHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

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
        QCOMPARE(request, QString()); // Escape cancels without printing
        QCOMPARE(settings.highestTestId, 11);
    }

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
        QCOMPARE(request, QString());
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
