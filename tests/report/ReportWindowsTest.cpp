// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportTestData.h"
#include "report/ChartPainter.h"
#include "report/ChartSeries.h"
#include "report/ChartWindow.h"
#include "report/ConfigureDialog.h"
#include "report/ProgressReport.h"
#include "support/ControlHelpers.h"
#include "support/ModalHelpers.h"
#include "support/TempFolder.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
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

const std::string folderText = "/home/child/.local/share/Quillbyte/Tallyburrow";

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

// The report, its chart and the Configure dialog, as a child (or a teacher) works them.
class ReportWindowsTest : public QObject {
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

    // A screen reader reads the row cell by cell, the result with its column; the current row is
    // the focused and selected one. The window opens in Percent again after the last one switched.
    void cellsAreReadWithTheirColumn() {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->scoreList());
        QVERIFY(table != nullptr && table->tableInterface() != nullptr);
        QTest::keyClick(window->scoreList(), Qt::Key_Down);
        QAccessibleInterface* focused = table->focusChild();
        QVERIFY(focused != nullptr);
        QCOMPARE(focused->text(QAccessible::Name), QString("03-16-2006"));
        QCOMPARE(table->tableInterface()->cellAt(1, 1)->text(QAccessible::Name),
                 QString("Add 70.00"));
        QVERIFY(focused->state().focused);
        QCOMPARE(table->tableInterface()->selectedRows(), QList<int>{1});
    }

    // In German the report writes a decimal comma and the German date, as a screen reader hears.
    void inGermanTheReportWritesTheLanguagesNumbers() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        StudentRecord child;
        child.history = {score(13424, 1, 7, 5)};
        ProgressReportWindow report(child, nullptr);
        report.show();
        QLocale::setDefault(before);
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(report.scoreList());
        QCOMPARE(table->tableInterface()->cellAt(0, 0)->text(QAccessible::Name),
                 QString("16.03.2006"));
        QCOMPARE(table->tableInterface()->cellAt(0, 1)->text(QAccessible::Name),
                 QString("Add 71,43"));
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

    // Tab follows the layout; each box stores its value; one that cannot be stored is refused and
    // its box selected (the rules are the logic test's). The answer limit opens at the current
    // one, even one not offered, and Ok gives the one chosen, as it does the text size. Cancel
    // changes nothing.
    void okStoresWhatCanBeStoredCancelChangesNothing() {
        AnswerLimitChoice limit{7500, true};
        StudentRecord child = newChild();
        child.mulDivHigh = 10;
        child.changeState = ChangeState::ScoresChanged;
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
            auto* limitBox = control<QComboBox>(dialog, 317);
            QCOMPARE(limitBox->currentText(), QString("7.5 seconds"));
            QTest::keyClick(limitBox, Qt::Key_Up);
            auto* sizeBox = control<QComboBox>(dialog, 318);
            QCOMPARE(sizeBox->currentText(), QString("Large"));
            QTest::keyClick(sizeBox, Qt::Key_Down);
            QTest::keyClick(control<QPushButton>(dialog, 1), Qt::Key_Space);
        });
        int textPercent = 125;
        showConfigureDialog(nullptr, child, folderText, &limit, &textPercent);
        QCOMPARE(configValues(child), (ConfigValues{30, 0, 6, 21, 5, 15, 15}));
        QCOMPARE(child.changeState, ChangeState::ScoresChanged);
        QCOMPARE(limit, (AnswerLimitChoice{6000, true}));
        QCOMPARE(textPercent, 150);

        whenModalOpens([](QWidget* dialog) {
            typeInto(control(dialog, 313), "3");
            QTest::keyClick(control<QComboBox>(dialog, 317), Qt::Key_Up);
            QTest::keyClick(control<QComboBox>(dialog, 318), Qt::Key_Up);
            QTest::mouseClick(control<QPushButton>(dialog, 2), Qt::LeftButton);
        });
        showConfigureDialog(nullptr, child, folderText, &limit, &textPercent);
        QCOMPARE(configValues(child), (ConfigValues{30, 0, 6, 21, 5, 15, 15}));
        QCOMPARE(limit, (AnswerLimitChoice{6000, false}));
        QCOMPARE(textPercent, 150);
    }

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

    // A kind's name in the legend stands right of its line and marker, clear of them: no ink
    // lies between the two ends of the line, the rightmost colour of the picture.
    void legendNamesStandClearOfTheirMarkers() {
        const QImage image = chartImage(chartData({score(march + 1, 1, 10, 5)}), QSize(480, 300));
        const auto coloured = [&](int x, int y) {
            const QColor pixel = image.pixelColor(x, y);
            return qAbs(pixel.red() - pixel.green()) + qAbs(pixel.green() - pixel.blue()) > 60;
        };
        QPoint end;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                end = coloured(x, y) ? QPoint(x, y) : end;
            }
        }
        int start = end.x();
        while (coloured(start - 1, end.y())) {
            --start;
        }
        int inkOver = 0;
        int inkBeside = 0;
        for (int y = end.y() - 4; y <= end.y() + 4; ++y) {
            for (int x = start; x < image.width(); ++x) {
                (x <= end.x() ? inkOver : inkBeside) += qGray(image.pixel(x, y)) < 64 ? 1 : 0;
            }
        }
        QVERIFY2(inkOver == 0 && inkBeside > 20,
                 qPrintable(QString("%1, %2").arg(inkOver).arg(inkBeside)));
    }

    // One result is saved as a picture and printed (over the chart window) with the title, the
    // legend and its date. No results show a sentence, with nothing to print or save.
    void savesPngAndPrintsPdf() {
        TempFolder folder;
        const std::vector<ScoreRecord> history{score(march + 4, 4, 20, 18)};
        ChartWindow chart("Ann", history, nullptr);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const QString png = QString::fromStdString((folder.path() / "ann.png").string());
        QVERIFY(chart.savePng(png));
        QCOMPARE(QImage(png).size(), chart.findChild<QWidget*>("360")->size());
        std::filesystem::create_symlink("ann.png", folder.path() / "link.png"); // left as it is
        QVERIFY(!chart.savePng(QString::fromStdString((folder.path() / "link.png").string())));
        QVERIFY(std::filesystem::is_symlink(folder.path() / "link.png"));

        QWidget* printDialogOwner = nullptr;
        whenModalOpens([&](QWidget* dialog) {
            printDialogOwner = dialog->parentWidget();
            dialog->close();
        });
        QVERIFY(!chart.printWithDialog());
        QCOMPARE(printDialogOwner, &chart);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((folder.path() / "chart.pdf").string()));
        QVERIFY(printChart(printer, chartData(history), chart.title()));
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

QTEST_MAIN(ReportWindowsTest)
#include "ReportWindowsTest.moc"
