// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ProgressReport.h"
#include "ReportTestData.h"
#include "dialogs/DialogTestKit.h"
#include "report/ChartSeries.h"
#include "support/ModalHelpers.h"

#include <QAccessible>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {
StudentRecord childWithHistory() {
    StudentRecord student;
    student.studentName = "Ann";
    student.history = {score(13423, 4, 20, 18), score(13424, 1, 10, 7),  score(13430, 7, 70, 63),
                       score(0, 5, 3, 2),       score(13455, 2, 65, 70), score(13460, 3, 0, 0),
                       score(13461, 0, 70, 50), score(13462, 6, 40, 39)};
    return student;
}

// Leftmost x (in table coordinates) of a dark pixel of `row` between x0 and x1, or -1.
int firstInkX(QTreeWidget* table, int row, int x0, int x1) {
    const QImage image = table->grab().toImage();
    const QRect rect = table->visualItemRect(table->topLevelItem(row));
    const QPoint offset = table->viewport()->mapTo(table, QPoint(0, 0));
    for (int x = x0; x < x1; ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            if (qGray(image.pixel(x, y + offset.y())) < 128) {
                return x;
            }
        }
    }
    return -1;
}
} // namespace

class ProgressReportTest : public QObject {
    Q_OBJECT
    const StudentRecord student = childWithHistory();
    std::unique_ptr<ProgressReportWindow> window;
private slots:
    void initTestCase() { useProgramFont(); }
    void init() {
        window = std::make_unique<ProgressReportWindow>(student, nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    // The rows are in the mode clicked last, the first selected and focused. Enter, even on an
    // option button, closes the window.
    void showsTheRowsInTheModeClicked() {
        auto* table = window->scoreList();
        saveShot(window.get(), "report-progress-percent");
        QCOMPARE(table->topLevelItem(7)->text(6), QString("97.50")); // Add/Sub, 39 of 40
        QCOMPARE(QApplication::focusWidget(), table);
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(table->selectedItems().value(0), table->topLevelItem(1));
        auto* correctOfTotal = control<QRadioButton>(window.get(), 328);
        QTest::mouseClick(correctOfTotal, Qt::LeftButton);
        QCOMPARE(table->topLevelItem(0)->text(4), QString(" 18 / 20"));
        QCOMPARE(table->currentItem(), table->topLevelItem(0));
        QCOMPARE(QApplication::focusWidget(), table);
        saveShot(window.get(), "report-progress-correct-of-total");
        QTest::keyClick(correctOfTotal, Qt::Key_Enter);
        QVERIFY(!window->isVisible());
    }

    // A result starts where its column's heading does (the Mul/Div column, the last of eight
    // 80-pixel ones, stands for all). Cancel closes the window.
    void resultsLineUpUnderTheirHeadings() {
        auto* table = window->scoreList();
        table->clearSelection(); // dark text on a light row
        table->setCurrentItem(nullptr);
        const int column = table->viewport()->mapTo(table, QPoint(0, 0)).x() + 80 * 7;
        const int ink = firstInkX(table, 2, column, column + 80);
        QVERIFY2(ink >= column + 19 && ink <= column + 24, qPrintable(QString::number(ink)));
        QTest::mouseClick(control<QPushButton>(window.get(), 2), Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

    // A screen reader reads each cell with its column and date; the row that becomes the current
    // one is the focused and selected one (the view tells screen readers when it changes). The
    // window opens in Percent again after the one before was switched.
    void cellsAreReadWithTheirColumn() {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->scoreList());
        QVERIFY(table != nullptr && table->tableInterface() != nullptr);
        QAccessibleInterface* cell = table->tableInterface()->cellAt(1, 1);
        QVERIFY(cell != nullptr);
        QCOMPARE(cell->text(QAccessible::Name), QString("Add, 70.00, 03-16-2006"));

        QTest::keyClick(window->scoreList(), Qt::Key_Down);
        QAccessibleInterface* focused = table->focusChild();
        QVERIFY(focused != nullptr);
        QCOMPARE(focused->text(QAccessible::Name), QString("Date, 03-16-2006, Add, 70.00"));
        QVERIFY(focused->state().focused);
        QCOMPARE(table->tableInterface()->selectedRows(), QList<int>{1});
    }

    // The Chart button opens the chart of the child's history.
    void chartButtonOpensTheChildsChart() {
        QString description;
        whenModalOpens(
            [&description](QWidget* chart) {
                description = chart->findChild<QWidget*>("360")->accessibleDescription();
                saveShot(chart, "progress-chart");
                QTest::keyClick(chart, Qt::Key_Escape);
            },
            window.get());
        QTest::mouseClick(control<QPushButton>(window.get(), 329), Qt::LeftButton);
        QCOMPARE(description, chartDescription(chartData(student.history)));
    }
};

QTEST_MAIN(ProgressReportTest)
#include "ProgressReportTest.moc"
