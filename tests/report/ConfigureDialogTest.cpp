// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ConfigureDialog.h"
#include "ReportTestData.h"
#include "dialogs/DialogTestKit.h"
#include "support/ModalHelpers.h"

#include <QLabel>
#include <QPushButton>

namespace {
const std::string folderText = "/home/child/.local/share/Quillbyte/Tallyburrow";
} // namespace

class ConfigureDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useProgramFont(); }

    // Tab walks the boxes in the order of the layout. Each box reaches its own value; a value
    // that cannot be stored is refused with a message and the dialog stays open with that box
    // selected (the rules are the logic test's). Cancel changes nothing.
    void okStoresWhatCanBeStoredCancelChangesNothing() {
        StudentRecord student = newChild();
        student.mulDivHigh = 10;
        student.changeState = ChangeState::ScoresChanged;
        whenModalOpens([](QWidget* dialog) {
            saveShot(dialog, "configure-program");
            control(dialog, 311)->setFocus();
            for (const ConfigurePlace& place : configureLayout) {
                if (place.id != 0) {
                    QTRY_COMPARE(dialog->focusWidget(), control<QWidget>(dialog, place.id));
                    QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
                }
            }
            const char* typed[] = {"30", "0", "6", "21", "5", "600"};
            for (int i = 0; i < 6; ++i) {
                typeInto(control(dialog, 311 + i), typed[i]);
            }
            whenModalOpens(
                [](QWidget* message) {
                    QVERIFY(message->findChild<QLabel*>("qt_msgbox_label")->text().contains("500"));
                    QTest::keyClick(message, Qt::Key_Return);
                },
                dialog);
            QTest::mouseClick(control<QPushButton>(dialog, 1), Qt::LeftButton);
            QTRY_COMPARE(QApplication::activeModalWidget(), dialog);
            QCOMPARE(dialog->focusWidget(), control(dialog, 316));
            QCOMPARE(control(dialog, 316)->selectedText(), QString("600"));
            QTest::keyClicks(control(dialog, 316), "15");
            QTest::keyClick(control<QPushButton>(dialog, 1), Qt::Key_Space);
        });
        showConfigureDialog(nullptr, student, folderText);
        QCOMPARE(configValues(student), (ConfigValues{30, 0, 6, 21, 5, 15, 15}));
        QCOMPARE(student.changeState, ChangeState::ScoresChanged);

        whenModalOpens([](QWidget* dialog) {
            typeInto(control(dialog, 313), "3");
            QTest::mouseClick(control<QPushButton>(dialog, 2), Qt::LeftButton);
        });
        showConfigureDialog(nullptr, student, folderText);
        QCOMPARE(configValues(student), (ConfigValues{30, 0, 6, 21, 5, 15, 15}));
    }
};

QTEST_MAIN(ConfigureDialogTest)
#include "ConfigureDialogTest.moc"
