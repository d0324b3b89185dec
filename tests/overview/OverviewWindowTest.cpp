// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/OverviewWindow.h"
#include "OverviewTestFolder.h"
#include "support/ModalHelpers.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableView>
#include <QtTest>

#include <unistd.h>

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
    for (int click = 0; click < 2 && (header->sortIndicatorSection() != column ||
                                      header->sortIndicatorOrder() != order);
         ++click) {
        table->scrollTo(table->model()->index(0, column));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    }
}

// Clicks a button and types `path` into the file dialog it opens, then Enter.
void saveThrough(QWidget* window, const char* button, const std::filesystem::path& path) {
    whenModalOpens(
        [path](QWidget* dialog) {
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(qobject_cast<QFileDialog*>(dialog) != nullptr && name != nullptr);
            name->setText(qPath(path));
            QTest::keyClick(name, Qt::Key_Return);
        },
        window);
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
}
} // namespace

// Sorting, exporting and opening a chart as a user would, in the order the table shows.
class OverviewWindowTest : public QObject {
    Q_OBJECT
private slots:
    void sortsExportsAndOpensCharts() {
        TempFolder folder;
        TempFolder out;
        makeClassFolder(folder.path());
        OverviewWindow window(qPath(folder.path()));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.waitForKnownFacts();
        saveShot(&window, "class-overview");
        // Every child's name fits its column, the longest one too.
        const QFontMetrics metrics(window.table()->font());
        for (const QString& name : columnTexts(window.table(), 0)) {
            QVERIFY2(metrics.horizontalAdvance(name) < window.table()->columnWidth(0),
                     qPrintable(name));
        }
        // Numbers and dates sort as such ("10" after "2"); empty cells below every value.
        const struct {
            int column;
            Qt::SortOrder order;
            QStringList texts;
        } cases[] = {
            {1, Qt::AscendingOrder, {"", "0", "0", "0", "0", "0", "1", "2", "10"}},
            {3, Qt::AscendingOrder, {"", "", "", "", "", "", "", "2026-03-08", "2026-03-11"}},
            {5, Qt::DescendingOrder, {"100.00", "100.00", "", "", "", "", "", "", ""}},
            {9, Qt::AscendingOrder, {"", "", "", "", "", "", "", "", "80.00"}},
        };
        for (const auto& c : cases) {
            sortBy(window.table(), c.column, c.order);
            QCOMPARE(columnTexts(window.table(), c.column), c.texts);
        }
        // Sorted by the best Mult, the one child with a Mult result is the last line.
        saveThrough(&window, "404", out.path() / "by-mult.csv");
        const QStringList lines =
            QString::fromStdString(readText(out.path() / "by-mult.csv")).split("\r\n");
        QVERIFY2(lines[9].startsWith("Ann,10,"), qPrintable(lines[9]));

        sortBy(window.table(), 0, Qt::AscendingOrder);
        saveThrough(&window, "404", out.path() / "class.csv");
        QCOMPARE(readText(out.path() / "class.csv"), std::string(classCsv));

        // Enter on a row opens the child's chart, or says why the file cannot be read.
        const std::pair<int, QString> charts[] = {{3, "Progress Chart - Ann"},
                                                  {7, "The file of Eve cannot be read"}};
        for (const auto& [row, expected] : charts) {
            QString seen;
            whenModalOpens(
                [&seen](QWidget* modal) {
                    auto* box = qobject_cast<QMessageBox*>(modal);
                    seen = box != nullptr ? box->text() : modal->windowTitle();
                    modal->close();
                },
                &window);
            window.table()->setCurrentIndex(window.table()->model()->index(row, 0));
            QTest::keyClick(window.table(), Qt::Key_Return);
            QVERIFY2(seen.startsWith(expected), qPrintable(seen));
        }
    }

    // The known columns fill in after the window is made, and sort by the number known; the
    // hidden fluency map button's source is the child's ranges, results and every log merged.
    // A window closed while it still counts stops safely.
    void knownFactsAndTheFluencyMapSource() {
        TempFolder folder;
        makeClassFolder(folder.path());
        const LoggedAnswer quick{3, 3, 4, true, false, 900, inMarch(1)};
        writeBytes(folder.path() / "Ann.sbk.answers",
                   answerLogBytes({1, {}, {}, {quick, quick}, {}}));
        const LoggedAnswer missed{1, 2, 2, false, false, 900, inMarch(2)};
        writeBytes(folder.path() / "Ann.sbk.pc-5-6.answers",
                   answerLogBytes({2, {}, {}, {missed}, {}}));
        { OverviewWindow closedAtOnce(qPath(folder.path())); }
        OverviewWindow window(qPath(folder.path()));
        window.show();
        window.waitForKnownFacts();
        sortBy(window.table(), firstKnownColumn + 2, Qt::DescendingOrder);
        QCOMPARE(columnTexts(window.table(), firstKnownColumn + 2).mid(0, 2),
                 QStringList({"1/144", "0/144"}));
        QString mapTitle;
        whenModalOpens([&mapTitle](QWidget* map) {
            mapTitle = map->windowTitle();
            map->close();
        });
        window.table()->setCurrentIndex(window.table()->model()->index(0, 0));
        window.findChild<QPushButton*>("407")->click();
        QCOMPARE(mapTitle, QStringLiteral("Fluency Map - Ann"));
        const auto source = window.fluencyMapSourceOf(window.table()->model()->index(0, 0));
        QVERIFY(source.has_value());
        QCOMPARE(source->student.history.size(), 10u);
        QCOMPARE(source->student.mulDivHigh, 12);
        QCOMPARE(source->log.answers, std::vector<LoggedAnswer>({quick, quick, missed}));
    }

    // An export that cannot be written whole says why and leaves what was there, with no
    // temporary file behind: the file a link leads to, and an old file on a full disk (a
    // 64 KiB tmpfs, which needs root).
    void failedExportsLeaveTheOldFile() {
        TempFolder folder;
        TempFolder out;
        makeClassFolder(folder.path());
        OverviewWindow window(qPath(folder.path()));
        const bool full =
            geteuid() == 0 &&
            std::system(("mount -t tmpfs -o size=64k tmpfs " + out.path().string()).c_str()) == 0;
        const auto unmount = qScopeGuard([&]() {
            if (full) {
                std::system(("umount " + out.path().string()).c_str());
            }
        });
        writeBytes(out.path() / "old", {'o', 'l', 'd'});
        std::filesystem::create_symlink("old", out.path() / "link");
        writeBytes(out.path() / "filler", {});
        for (const char* target : {"link", "old"}) {
            const QString path = qPath(out.path() / target);
            for (const WriteOutcome& saved : {window.exportCsv(path), window.savePdf(path)}) {
                QVERIFY2(!saved && !saved.reason.isEmpty(), qPrintable(path));
            }
            QCOMPARE(readText(out.path() / "old"), std::string("old"));
            QCOMPARE(std::distance(std::filesystem::directory_iterator(out.path()), {}), 3);
            if (!full) {
                QSKIP("a small tmpfs needs root and mount: the full disk is not tested");
            }
            writeBytes(out.path() / "filler", std::vector<unsigned char>(64 * 1024, 1));
        }
    }
};

QTEST_MAIN(OverviewWindowTest)
#include "OverviewWindowTest.moc"
