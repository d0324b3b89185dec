// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartWindow.h"
#include "ReportTestData.h"
#include "report/ChartPainter.h"
#include "report/ProgressReport.h"
#include "support/ModalHelpers.h"
#include "support/TempFolder.h"

#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

namespace {
constexpr int march = (2026 - 1980) * 512 + 3 * 32; // the packed date of 2026-03-00

int pixelsOf(const QImage& image, int kind) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == kindColour(kind) ? 1 : 0;
        }
    }
    return count;
}
} // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void chartButtonOpensTheChildsChart();
    void savesPngAndPrintsPdf();
};

// The report's Chart button opens the chart of the child's history: its description and its
// picture show the kinds the child took (Add, Mult, Mixed) and no others.
void ChartWindowTest::chartButtonOpensTheChildsChart() {
    StudentRecord student;
    student.studentName = "Ann";
    student.history = {score(march + 1, 3, 20, 9),  score(march + 1, 1, 10, 5),
                       score(march + 2, 3, 20, 18), score(march + 3, 3, 20, 16),
                       score(march + 3, 1, 10, 9),  score(march + 3, 5, 10, 7)};
    ProgressReportWindow report(student, nullptr);
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    auto* chartButton = report.findChild<QPushButton*>("329");
    QCOMPARE(chartButton->text(), QString("C&hart"));
    QCOMPARE(chartButton->geometry(), QRect(485, 405, 75, 30));
    saveShot(&report, "report-with-chart-button");
    QString title;
    whenModalOpens(
        [&title](QWidget* window) {
            title = window->windowTitle();
            QWidget* view = window->findChild<QWidget*>("360");
            QCOMPARE(view->accessibleDescription(),
                     QString("Percent correct of each test over time. "
                             "Add: 2 tests, from 50.00 to 90.00 percent, latest 90.00. "
                             "Mult: 3 tests, from 45.00 to 90.00 percent, latest 80.00. "
                             "Mixed: 1 test, 70.00 percent."));
            const QImage picture = view->grab().toImage();
            for (int kind = 1; kind <= 7; ++kind) {
                QCOMPARE(pixelsOf(picture, kind) > 20, kind == 1 || kind == 3 || kind == 5);
            }
            saveShot(window, "progress-chart");
            QTest::keyClick(window, Qt::Key_Escape);
        },
        &report);
    QTest::mouseClick(chartButton, Qt::LeftButton);
    QCOMPARE(title, QString("Progress Chart - Ann"));
}

// One result still shows as a point; the page carries the title, the legend and the date.
// No results show a sentence, with nothing to print or save.
void ChartWindowTest::savesPngAndPrintsPdf() {
    TempFolder folder;
    ChartWindow window("Ann", {score(march + 4, 4, 20, 18)}, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString png = QString::fromStdString((folder.path() / "ann.png").string());
    QVERIFY(window.savePng(png));
    QCOMPARE(QImage(png).size(), window.findChild<QWidget*>("360")->size());
    QVERIFY(pixelsOf(QImage(png), 4) > 20);
    QVERIFY(!window.savePng(QString::fromStdString((folder.path() / "no/such.png").string())));

    QWidget* printDialogOwner = nullptr; // the printer dialog stands over the chart window
    whenModalOpens([&](QWidget* dialog) {
        printDialogOwner = dialog->parentWidget();
        dialog->close();
    });
    QVERIFY(!window.printWithDialog());
    QCOMPARE(printDialogOwner, &window);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((folder.path() / "chart.pdf").string()));
    QVERIFY(printChart(printer, window.data(), window.title()));
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", printer.outputFileName(), "-"});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const char* expected : {"Progress Chart - Ann", "Div", "03-04-2026", "100", "Percent"}) {
        QVERIFY2(text.contains(expected), qPrintable(text));
    }

    ChartWindow empty("Bo", {}, nullptr);
    empty.show();
    QCOMPARE(empty.findChild<QLabel*>("360")->text(), QString(noResultsSentence));
    QVERIFY(!empty.findChild<QPushButton*>("361")->isEnabled());
    QVERIFY(!empty.findChild<QPushButton*>("362")->isEnabled());
    saveShot(&empty, "progress-chart-empty");
}

QTEST_MAIN(ChartWindowTest)
#include "ChartWindowTest.moc"
