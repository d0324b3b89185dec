// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtests/SaveScoreDialog.h"
#include "report/ReportTestData.h"
#include "support/ControlHelpers.h"
#include "support/ModalHelpers.h"

#include <QComboBox>
#include <QPushButton>

namespace {
const std::string today = "03-15-2006";
} // namespace

class SaveScoreDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useProgramFont(); }

    // Tab walks the controls in the order of the layout. What the kind box holds is read as
    // its text, typed or not; a count that cannot be stored is refused with a message and its
    // box is selected (the rules are the logic test's).
    void storesWhatCanBeStoredAndSaysWhatCannot() {
        StudentRecord student;
        whenModalOpens([](QWidget* dialog) {
            saveShot(dialog, "save-test-score");
            for (const SaveScorePlace& place : saveScoreLayout) {
                if (place.id != 0) { // the combo box's own edit field counts as the box
                    auto* box = control<QWidget>(dialog, place.id);
                    QTRY_VERIFY(box->hasFocus() || box->isAncestorOf(dialog->focusWidget()));
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                }
            }
            typeInto(control<QComboBox>(dialog, 233), "div");
            typeInto(control(dialog, 331), "18");
            typeInto(control(dialog, 324), "99999");
            typeInto(control(dialog, 235), "13-45-1970");
            saveShot(dialog, "save-test-score-filled");
            whenModalOpens([](QWidget* message) { QTest::keyClick(message, Qt::Key_Return); },
                           dialog);
            QTest::mouseClick(control<QPushButton>(dialog, 1), Qt::LeftButton);
            QTRY_COMPARE(QApplication::activeModalWidget(), dialog);
            QCOMPARE(dialog->focusWidget(), control(dialog, 324)); // the field at fault
            QCOMPARE(control(dialog, 324)->selectedText(), QString("99999"));
            QTest::keyClicks(control(dialog, 324), "20");
            typeInto(control(dialog, 235), "3/15/06");
            QTest::mouseClick(control<QPushButton>(dialog, 1), Qt::LeftButton);
        });
        showSaveScoreDialog(nullptr, student, today);
        QCOMPARE(student.history, (std::vector<ScoreRecord>{score(13423, 4, 20, 18)}));
    }
};

QTEST_MAIN(SaveScoreDialogTest)
#include "SaveScoreDialogTest.moc"
