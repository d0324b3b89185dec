// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/FluencyMapWindow.h"
#include "report/FluencyMapPrint.h"
#include "report/ProgressReport.h"
#include "support/ControlHelpers.h"
#include "support/ModalHelpers.h"
#include "support/TempFolder.h"

#include <QAccessible>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

namespace {
// Mult 0-9 x 0-9: 7 x 2 known, 7 x 8 slow, 3 x 4 not yet, the rest not tried.
AnswerLogContents mixedLog() {
    AnswerLogContents log;
    const auto add = [&log](int a, int b, bool right, std::uint32_t ms) {
        log.answers.push_back({3, a, b, right, false, ms, 0});
    };
    add(7, 2, true, 900);
    add(7, 2, true, 800);
    add(7, 8, true, 5900);
    add(3, 4, false, 2000);
    log.limits.push_back({LimitSource::TypingTime, 1000, 0});
    return log;
}

void useFontScale(qreal scale) {
    QFont font = QApplication::font();
    font.setPointSizeF(10 * scale);
    QApplication::setFont(font);
}

StudentRecord ann() {
    StudentRecord student;
    student.studentName = "Ann";
    student.addSubHigh = 10;
    student.mulDivLow = 0;
    student.mulDivHigh = 9;
    return student;
}
} // namespace

class FluencyMapWindowTest : public QObject {
    Q_OBJECT
    const StudentRecord student = ann();
    const AnswerLogContents log = mixedLog();
private slots:
    void initTestCase() { useProgramFont(); }

    // Each cell is a table cell a screen reader reads as its fact, state and time; the arrow
    // keys move cell by cell. The Mult tab opens first, counted under its name; the window is
    // pictured at the program's font and one half larger.
    void cellsReadAsFactsAndStates() {
        for (const qreal scale : {1.0, 1.5}) {
            useFontScale(scale);
            FluencyMapWindow window(student, log, nullptr);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            savePicture(&window, scale == 1.0 ? "fluency-map" : "fluency-map-large");
            QCOMPARE(window.tabs()->tabText(window.tabs()->currentIndex()), QString("Mult"));
            QTableView* table = window.table(2);
            // Mult has a column for each of 0-9; Div none for 0 (nothing is divided by 0).
            QCOMPARE(table->model()->columnCount(), 10);
            QCOMPARE(window.table(3)->model()->columnCount(), 9);
            QCOMPARE(table->parentWidget()->findChild<QLabel*>()->text(),
                     QString("Mult: 1 of 100 known"));
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(table);
            QVERIFY(access != nullptr && access->tableInterface() != nullptr);
            const std::pair<QPoint, const char*> cells[] = {
                {{8, 7}, "7 times 8: slow, 5.9 seconds"},
                {{2, 7}, "7 times 2: known, 0.8 seconds"},
                {{4, 3}, "3 times 4: not yet"},
                {{9, 9}, "9 times 9: not tried"},
            };
            for (const auto& [at, speech] : cells) {
                QCOMPARE(access->tableInterface()->cellAt(at.y(), at.x())->text(QAccessible::Name),
                         QString(speech));
            }
            table->setFocus();
            table->setCurrentIndex(table->model()->index(7, 2));
            QTest::keyClick(table, Qt::Key_Right);
            QCOMPARE(table->currentIndex().data(Qt::AccessibleTextRole).toString(),
                     QString("7 times 3: not tried"));
            QTest::keyClick(table, Qt::Key_Tab); // leaves the map, not cell by cell
            QVERIFY(window.focusWidget() != table);
        }
        useProgramFont();
    }

    // The report's Fluency map button opens the map of the same child.
    void reportButtonOpensTheMap() {
        ProgressReportWindow report(student, nullptr, log);
        report.show();
        QVERIFY(QTest::qWaitForWindowActive(&report));
        QString title;
        whenModalOpens(
            [&title](QWidget* map) {
                title = map->windowTitle();
                map->close();
            },
            &report);
        QTest::mouseClick(control<QPushButton>(&report, 330), Qt::LeftButton);
        QCOMPARE(title, QString("Fluency Map - Ann"));
    }

    // The printed map has a page per operation with its count line and the legend's words.
    void printsEachOperationWithItsCounts() {
        TempFolder folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((folder.path() / "map.pdf").string()));
        FluencyMapWindow window(student, log, nullptr);
        QVERIFY(printFluencyMap(printer, window.grids(), window.title()));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {printer.outputFileName(), "-"});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        for (const char* expected : {"Fluency Map - Ann", "Add: 0 of 121 known", "Sub: 0 of 121",
                                     "Mult: 1 of 100 known", "Div: 0 of 90", "not yet", "slow"}) {
            QVERIFY2(text.contains(expected), qPrintable(text));
        }
        QCOMPARE(text.count('\f'), 4);
    }
};

QTEST_MAIN(FluencyMapWindowTest)
#include "FluencyMapWindowTest.moc"
