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
std::uint16_t march(int day) {
    return static_cast<std::uint16_t>((2026 - 1980) * 512 + 3 * 32 + day);
}

// Add and Mult over three days, a Mix All test, and nothing of the other kinds.
StudentRecord childWithTests() {
    StudentRecord student;
    student.studentName = "Ann";
    student.history = {score(march(1), 3, 20, 9),  score(march(1), 1, 10, 5),
                       score(march(2), 3, 20, 18), score(march(3), 3, 20, 16),
                       score(march(3), 1, 10, 9),  score(march(3), 5, 10, 7)};
    return student;
}

int pixelsOf(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

QString pdfText(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-layout", pdf, "-"});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void chartButtonOpensTheChildsChart();
    void noResultsShowASentence();
    void savesPngAndPrintsPdf();
};

// The report's Chart button opens the chart of the child's history: its description and its
// picture show the kinds the child took and no others.
void ChartWindowTest::chartButtonOpensTheChildsChart() {
    const StudentRecord student = childWithTests();
    ProgressReportWindow report(student, nullptr);
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    auto* chartButton = report.findChild<QPushButton*>("329");
    QVERIFY(chartButton != nullptr);
    QCOMPARE(chartButton->text(), QString("C&hart"));
    QCOMPARE(chartButton->geometry(), QRect(485, 405, 75, 30));
    saveShot(&report, "report-with-chart-button");

    bool opened = false;
    whenModalOpens(
        [&](QWidget* window) {
            opened = true;
            QCOMPARE(window->windowTitle(), QString("Progress Chart - Ann"));
            QWidget* view = window->findChild<QWidget*>("360");
            QVERIFY(view != nullptr);
            QCOMPARE(view->accessibleDescription(),
                     QString("Percent correct of each test over time. "
                             "Add: 2 tests, from 50.00 to 90.00 percent, latest 90.00. "
                             "Mult: 3 tests, from 45.00 to 90.00 percent, latest 80.00. "
                             "Mixed: 1 test, 70.00 percent."));
            const QImage picture = view->grab().toImage();
            for (int kind : {1, 3, 5}) {
                QVERIFY2(pixelsOf(picture, kindColour(kind)) > 20,
                         qPrintable(QString::number(kind)));
            }
            for (int kind : {2, 4, 6}) {
                QCOMPARE(pixelsOf(picture, kindColour(kind)), 0);
            }
            saveShot(window, "progress-chart");
            QTest::keyClick(window, Qt::Key_Escape);
        },
        &report);
    QTest::mouseClick(chartButton, Qt::LeftButton);
    QVERIFY(opened);
    QVERIFY(report.isVisible()); // back in the report
}

void ChartWindowTest::noResultsShowASentence() {
    ChartWindow window("Bo", {}, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* sentence = window.findChild<QLabel*>("360");
    QVERIFY(sentence != nullptr);
    QCOMPARE(sentence->text(), QString(noResultsSentence));
    QVERIFY(!window.findChild<QPushButton*>("361")->isEnabled());
    QVERIFY(!window.findChild<QPushButton*>("362")->isEnabled());
    saveShot(&window, "progress-chart-empty");
}

void ChartWindowTest::savesPngAndPrintsPdf() {
    TempFolder folder;
    const StudentRecord student = childWithTests();
    ChartWindow window("Ann", student.history, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString png = QString::fromStdString((folder.path() / "ann.png").string());
    QVERIFY(window.savePng(png));
    const QImage saved(png);
    QCOMPARE(saved.size(), window.findChild<QWidget*>("360")->size());
    QVERIFY(pixelsOf(saved, kindColour(3)) > 20);
    QVERIFY(!window.savePng(QString::fromStdString((folder.path() / "no/such.png").string())));

    // A single point still shows, and the page carries the title, legend and dates.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QString::fromStdString((folder.path() / "chart.pdf").string());
    printer.setOutputFileName(pdf);
    QVERIFY(printChart(printer, chartData({score(march(4), 4, 20, 18)}), "Progress Chart - Ann"));
    const QString text = pdfText(pdf);
    for (const char* expected : {"Progress Chart - Ann", "Div", "03-04-2026", "100", "Percent"}) {
        QVERIFY2(text.contains(expected), qPrintable(text));
    }
}

QTEST_MAIN(ChartWindowTest)
#include "ChartWindowTest.moc"
