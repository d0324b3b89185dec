#include "report/ProgressReport.h"
#include "ReportTestData.h"
#include "report/TabStopDelegate.h"
#include "support/ModalHelpers.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

namespace {
StudentRecord childWithHistory() {
    StudentRecord student;
    student.history = {score(13423, 4, 20, 18), score(13424, 1, 10, 7),  score(13430, 7, 70, 63),
                       score(0, 5, 3, 2),       score(13455, 2, 65, 70), score(13460, 3, 0, 0),
                       score(13461, 0, 70, 50), score(13462, 6, 40, 39)};
    return student;
}

QStringList shownRows(QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) {
        rows << list->item(i)->text();
    }
    return rows;
}

QStringList rowsOf(const StudentRecord& student, ReportMode mode) {
    QStringList rows;
    for (const std::string& row : reportRows(student.history, mode)) {
        rows << QString::fromStdString(row);
    }
    return rows;
}

template <typename T> T* control(QWidget* window, int id) {
    return window->findChild<T*>(QString::number(id));
}

// Leftmost x (in list coordinates) of a dark pixel of row `row` between x0 and x1, or -1.
int firstInkX(QListWidget* list, int row, int x0, int x1) {
    const QImage image = list->grab().toImage();
    const QRect rect = list->visualItemRect(list->item(row));
    const QPoint offset = list->viewport()->mapTo(list, QPoint(0, 0));
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
private slots:
    void initTestCase();
    void showsTheLayoutAndRows();
    void resultsLineUpUnderTheirHeadings();
    void everyOpeningStartsInPercent();
    void enterEscapeAndCancelClose();
    void emptyHistoryShowsNoRows();
    void aThousandRowsScroll();
};

// The program's default font: the platform's sans face at 10 points.
void ProgressReportTest::initTestCase() {
    QFont font = QApplication::font();
    font.setPointSize(10);
    QApplication::setFont(font);
}

void ProgressReportTest::showsTheLayoutAndRows() {
    const StudentRecord student = childWithHistory();
    ProgressReportWindow window(student, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QString("Report Progress"));
    QCOMPARE(window.size(), QSize(660, 450));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));

    const QStringList headings = {"Date", "Add ", "Sub ",    "Mult",
                                  "Div ", "Mix ", "Add/Sub", "Mul/Div"};
    for (int i = 0; i < headings.size(); ++i) {
        auto* heading = window.findChild<QLabel*>("heading " + headings[i].trimmed());
        QVERIFY2(heading != nullptr, qPrintable(headings[i]));
        QCOMPARE(heading->text(), headings[i]);
        QCOMPARE(heading->geometry(), QRect(80 * i, 0, 80, 20));
    }
    auto* list = control<QListWidget>(&window, 326);
    QCOMPARE(list->geometry(), QRect(0, 20, 660, 375));
    const struct {
        int id;
        QRect rect;
        QString text;
    } buttons[] = {{327, {150, 400, 120, 20}, "Percent correct"},
                   {328, {150, 420, 120, 20}, "Correct / Total"},
                   {2, {400, 405, 75, 30}, "&Cancel"}};
    for (const auto& b : buttons) {
        QCOMPARE(control<QAbstractButton>(&window, b.id)->geometry(), b.rect);
        QCOMPARE(control<QAbstractButton>(&window, b.id)->text(), b.text);
    }
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((window.geometry().center() - screenCentre).manhattanLength() <= 2);
    saveShot(&window, "report-progress-percent");

    // The list shows the history's rows (their texts are the logic test's), the first one
    // selected and focused, in the mode of the option clicked last.
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(shownRows(list), rowsOf(student, ReportMode::Percent));
    QCOMPARE(QApplication::focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(list->selectedItems() == QList<QListWidgetItem*>{list->item(1)});

    QTest::mouseClick(control<QRadioButton>(&window, 328), Qt::LeftButton);
    QCOMPARE(shownRows(list), rowsOf(student, ReportMode::CorrectOfTotal));
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(QApplication::focusWidget(), list);
    saveShot(&window, "report-progress-correct-of-total");
}

void ProgressReportTest::resultsLineUpUnderTheirHeadings() {
    const StudentRecord student = childWithHistory();
    ProgressReportWindow window(student, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* list = window.scoreList();
    list->clearSelection(); // dark text on a light row
    list->setCurrentRow(-1);

    const QList<int>& stops = window.tabStopDelegate()->stopPixels();
    QCOMPARE(stops.size(), 8);
    const int viewportLeft = list->viewport()->mapTo(list, QPoint(0, 0)).x();
    const int dateInk = firstInkX(list, 0, 0, 80);
    QVERIFY2(dateInk >= viewportLeft + 4 && dateInk <= viewportLeft + 8,
             qPrintable(QString::number(dateInk)));
    // The search starts 10 pixels into each heading: a long date may run past its own
    // heading, and a result that started before its stop would already be inked there.
    // Row of each kind: Div (0), Add (1), Mul/Div (2), Mix (3), Sub (4), Mult (5), Add/Sub (7).
    const int rowOfKind[] = {-1, 1, 4, 5, 0, 3, 7, 2};
    for (int kind = 1; kind <= 7; ++kind) {
        const int headingLeft = 80 * kind;
        const int ink = firstInkX(list, rowOfKind[kind], headingLeft + 10, headingLeft + 80);
        QVERIFY2(ink >= headingLeft + 19 && ink <= headingLeft + 24,
                 qPrintable(QString("kind %1 starts at %2").arg(kind).arg(ink)));
    }
}

// The option chosen last time is forgotten; Enter on an option button closes the window.
void ProgressReportTest::everyOpeningStartsInPercent() {
    const StudentRecord student = childWithHistory();
    QString firstRowSeen;
    bool percentChecked = false;
    bool closedByEnter = false;
    whenModalOpens([](QWidget* window) {
        QTest::mouseClick(control<QRadioButton>(window, 328), Qt::LeftButton);
        QTest::keyClick(window, Qt::Key_Escape);
    });
    showProgressReport(nullptr, student);
    whenModalOpens([&](QWidget* window) {
        QCOMPARE(window->windowModality(), Qt::WindowModal);
        percentChecked = control<QRadioButton>(window, 327)->isChecked() &&
                         !control<QRadioButton>(window, 328)->isChecked();
        firstRowSeen = control<QListWidget>(window, 326)->item(0)->text();
        QTest::keyClick(control<QRadioButton>(window, 328), Qt::Key_Enter);
        closedByEnter = !window->isVisible();
    });
    showProgressReport(nullptr, student);
    QVERIFY(percentChecked);
    QCOMPARE(firstRowSeen, QString("\t03-15-2006\t\t\t\t90.00\t\t\t"));
    QVERIFY(closedByEnter);
}

void ProgressReportTest::enterEscapeAndCancelClose() {
    const StudentRecord student = childWithHistory();
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) { // 0: click Cancel
        ProgressReportWindow window(student, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (key == 0) {
            QTest::mouseClick(control<QPushButton>(&window, 2), Qt::LeftButton);
        } else {
            QTest::keyClick(window.scoreList(), Qt::Key(key));
        }
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), key == Qt::Key_Return ? 1 : 0);
    }
}

void ProgressReportTest::emptyHistoryShowsNoRows() {
    const StudentRecord student;
    ProgressReportWindow window(student, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(control<QRadioButton>(&window, 328), Qt::LeftButton);
    QCOMPARE(window.scoreList()->count(), 0);
    saveShot(&window, "report-progress-empty");
}

void ProgressReportTest::aThousandRowsScroll() {
    StudentRecord student;
    for (int i = 0; i < 1000; ++i) {
        student.history.push_back(score(static_cast<std::uint16_t>(13423 + i % 16), 1 + i % 7, 70,
                                        static_cast<std::int16_t>(i % 71)));
    }
    ProgressReportWindow window(student, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* list = window.scoreList();
    QCOMPARE(list->count(), 1000);
    QCOMPARE(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->currentRow(), 999);
    QVERIFY(list->verticalScrollBar()->value() > 0);
    saveShot(&window, "report-progress-thousand-end");
}

QTEST_MAIN(ProgressReportTest)
#include "ProgressReportTest.moc"
