// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/PrintTestDialog.h"
#include "support/ControlHelpers.h"
#include "support/ModalHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>

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
    // the highest Test ID rises only for a higher one. An unknown problem type is refused and
    // the dialog stays; Escape then closes it without printing, whatever was typed.
    void okPrintsWithTheChoices() {
        const struct {
            int highest;
            QString testId, copies, typedKind; // an empty kind: three Down keys (Div)
            bool answers;
            QString expected; // none: refused
            int testNumber, highestAfter;
        } cases[] = {
            {11, " 12", "3", "", true, "test 12, 3 copies, answers, kind 4, dialog closed", 12, 12},
            {20, "5", "", "mul/div", false, "test 5, 0 copies, no answers, kind 7, dialog closed",
             5, 20},
            {2, "", "1", "Add", false, "test 0, 1 copies, no answers, kind 1, dialog closed", 0, 2},
            {11, "99", "2", "Times", false, "", 0, 11},
        };
        for (const auto& c : cases) {
            Settings settings;
            settings.highestTestId = c.highest;
            QString message;
            const auto request = runDialog(settings, [&](QWidget* dialog) {
                if (c.expected.isEmpty()) {
                    saveShot(dialog, "print_test_pages");
                    whenModalOpens(
                        [&message](QWidget* box) {
                            message = qobject_cast<QMessageBox*>(box)->text();
                            QTest::keyClick(box, Qt::Key_Return);
                        },
                        dialog);
                }
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
                if (c.expected.isEmpty()) {
                    QVERIFY(dialog->isVisible());
                    QTest::keyClick(dialog, Qt::Key_Escape);
                }
            });
            QCOMPARE(request, c.expected);
            QCOMPARE(message.contains('"' + c.typedKind + "\" is not a problem type"),
                     c.expected.isEmpty());
            QCOMPARE(settings.highestTestId, c.highestAfter);
            QCOMPARE(settings.settingsDirty, c.highestAfter != c.highest);
            QCOMPARE(settings.testIdBeingPrinted, c.testNumber);
        }
    }
};

QTEST_MAIN(PrintTestDialogTest)
#include "PrintTestDialogTest.moc"
