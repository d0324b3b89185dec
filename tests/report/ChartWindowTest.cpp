// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartWindow.h"
#include "ReportTestData.h"
#include "report/ChartPainter.h"
#include "support/ModalHelpers.h"
#include "support/TempFolder.h"

#include <QPrinter>
#include <QProcess>
#include <QtTest>

namespace {
constexpr int march = (2026 - 1980) * 512 + 3 * 32; // the packed date of 2026-03-00

// Add to Mult/Div: Okabe and Ito's palette, which readers with the common colour blindnesses
// can tell apart, with Paul Tol's wine for the seventh kind.
const QColor kindColours[] = {{0, 114, 178}, {213, 94, 0},   {0, 158, 115}, {204, 121, 167},
                              {230, 159, 0}, {86, 180, 233}, {136, 34, 85}};

int pixelsOf(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour.rgb() ? 1 : 0;
        }
    }
    return count;
}
} // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT
private slots:
    // A kind's line, markers and legend entry are in its colour; a marker stays about the size
    // of a letter, so the colour covers only a small part of the chart.
    void eachKindIsDrawnInItsColour() {
        for (int kind = 1; kind <= 7; ++kind) {
            const ChartData data =
                chartData({score(march + 1, kind, 10, 5), score(march + 9, kind, 10, 9)});
            const int pixels = pixelsOf(chartImage(data, QSize(480, 300)), kindColours[kind - 1]);
            QVERIFY2(pixels > 20 && pixels < 480 * 300 / 50,
                     qPrintable(QString("kind %1: %2 pixels").arg(kind).arg(pixels)));
        }
    }

    // One result still shows as a point, saved as a picture of the chart and printed over the
    // chart window with the title, the legend and the date. No results show a sentence, with
    // nothing to print or save.
    void savesPngAndPrintsPdf() {
        TempFolder folder;
        const std::vector<ScoreRecord> history{score(march + 4, 4, 20, 18)};
        ChartWindow window("Ann", history, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString png = QString::fromStdString((folder.path() / "ann.png").string());
        QVERIFY(window.savePng(png));
        QCOMPARE(QImage(png).size(), window.findChild<QWidget*>("360")->size());

        QWidget* printDialogOwner = nullptr;
        whenModalOpens([&](QWidget* dialog) {
            printDialogOwner = dialog->parentWidget();
            dialog->close();
        });
        QVERIFY(!window.printWithDialog());
        QCOMPARE(printDialogOwner, &window);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((folder.path() / "chart.pdf").string()));
        QVERIFY(printChart(printer, chartData(history), window.title()));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", printer.outputFileName(), "-"});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        for (const char* expected : {"Progress Chart - Ann", "Div", "03-04-2026", "Percent"}) {
            QVERIFY2(text.contains(expected), qPrintable(text));
        }

        ChartWindow empty("Bo", {}, nullptr);
        empty.show();
        saveShot(&empty, "progress-chart-empty");
    }
};

QTEST_MAIN(ChartWindowTest)
#include "ChartWindowTest.moc"
