#include "overview/OverviewWindow.h"
#include "OverviewTestFolder.h"
#include "support/ModalHelpers.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {
QStringList columnTexts(QTableView* table, int column) {
    QStringList texts;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        texts << table->model()->index(row, column).data().toString();
    }
    return texts;
}

// Clicks a column heading as a user would until the table is sorted by it in `order`.
void sortBy(QTableView* table, int column, Qt::SortOrder order) {
    QHeaderView* header = table->horizontalHeader();
    for (int click = 0; click < 2; ++click) {
        if (header->sortIndicatorSection() == column && header->sortIndicatorOrder() == order) {
            return;
        }
        table->scrollTo(table->model()->index(0, column));
        const QPoint middle(header->sectionViewportPosition(column) +
                                header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
    }
}

// Clicks a button whose file dialog is answered with `path`.
void saveThrough(QWidget* window, const char* button, const QString& path) {
    whenModalOpens(
        [path](QWidget* dialog) {
            // Types the path into the file name box and presses Enter, as a user would.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(qobject_cast<QFileDialog*>(dialog) != nullptr && name != nullptr);
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        },
        window);
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
}
} // namespace

class OverviewWindowTest : public QObject {
    Q_OBJECT
private slots:
    void sortsNumbersAndDatesAsSuch();
    void exportsCsvAndPdf();
    void enterOpensTheChildsChart();
};

void OverviewWindowTest::sortsNumbersAndDatesAsSuch() {
    TempFolder folder;
    makeClassFolder(folder.path());
    OverviewWindow window(qPath(folder.path()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    saveShot(&window, "class-overview");
    const struct {
        int column;
        Qt::SortOrder order;
        QStringList texts;
    } cases[] = {
        {1, Qt::AscendingOrder, {"", "0", "0", "0", "1", "2", "10"}},
        {1, Qt::DescendingOrder, {"10", "2", "1", "0", "0", "0", ""}},
        {3, Qt::AscendingOrder, {"", "", "", "", "", "2026-03-08", "2026-03-11"}},
        {5, Qt::DescendingOrder, {"100.00", "100.00", "", "", "", "", ""}},
        {9, Qt::AscendingOrder, {"", "", "", "", "", "", "80.00"}},
    };
    for (const auto& c : cases) {
        sortBy(window.table(), c.column, c.order);
        QCOMPARE(columnTexts(window.table(), c.column), c.texts);
    }
    sortBy(window.table(), 0, Qt::DescendingOrder);
    QCOMPARE(columnTexts(window.table(), 0).first(), QString("Smith, Jo"));
    QCOMPARE(columnTexts(window.table(), 0).last(), QString("=Sum"));
}

void OverviewWindowTest::exportsCsvAndPdf() {
    TempFolder folder;
    TempFolder out;
    makeClassFolder(folder.path());
    OverviewWindow window(qPath(folder.path()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    sortBy(window.table(), 0, Qt::AscendingOrder);
    saveThrough(&window, "404", qPath(out.path() / "class.csv"));
    QCOMPARE(readText(out.path() / "class.csv"), std::string(classCsv));

    // In the order shown: sorted by tests, the unreadable file comes first.
    sortBy(window.table(), 1, Qt::AscendingOrder);
    saveThrough(&window, "404", qPath(out.path() / "by-tests.csv"));
    const std::string byTests = readText(out.path() / "by-tests.csv");
    QVERIFY2(byTests.find("\r\nEve,,") != std::string::npos, byTests.c_str());

    saveThrough(&window, "406", qPath(out.path() / "class.pdf"));
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", qPath(out.path() / "class.pdf"), "-"});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QProcess::execute("pdftoppm",
                      {"-png", "-r", "60", "-singlefile", qPath(out.path() / "class.pdf"),
                       qEnvironmentVariable("TB_SHOTS_DIR", "/tmp") + "/class-overview-pdf"});
    for (const QString& expected :
         {QString("Tallyburrow class overview"), QDate::currentDate().toString("yyyy-MM-dd"),
          QString("Smith, Jo"), QString("regular"), QString("87.50"), QString("Mult/")}) {
        QVERIFY2(text.contains(expected), qPrintable(expected + " in\n" + text));
    }
}

void OverviewWindowTest::enterOpensTheChildsChart() {
    TempFolder folder;
    makeClassFolder(folder.path());
    OverviewWindow window(qPath(folder.path()));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const struct {
        int row; // in name order
        QString expected;
    } cases[] = {{1, "Progress Chart - Ann"}, {5, "The file of Eve cannot be read"}};
    for (const auto& c : cases) {
        QString seen;
        whenModalOpens(
            [&seen](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                seen = box != nullptr ? box->text() : modal->windowTitle();
                modal->close();
            },
            &window);
        window.table()->setCurrentIndex(window.table()->model()->index(c.row, 0));
        QTest::keyClick(window.table(), Qt::Key_Return);
        QVERIFY2(seen.startsWith(c.expected), qPrintable(seen));
    }
}

QTEST_MAIN(OverviewWindowTest)
#include "OverviewWindowTest.moc"
