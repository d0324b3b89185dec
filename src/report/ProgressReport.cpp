#include "report/ProgressReport.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "report/ChartWindow.h"
#include "report/TabStopDelegate.h"
#include "report/TabStops.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
int idOf(ReportControl id) {
    return static_cast<int>(id);
}

constexpr int headingWidth = 80;
constexpr int headingHeight = 20;
const char* const headingTexts[] = {"Date", "Add ", "Sub ",    "Mult",
                                    "Div ", "Mix ", "Add/Sub", "Mul/Div"};
} // namespace

ProgressReportWindow::ProgressReportWindow(const StudentRecord& student, QWidget* owner)
    : QDialog(owner), student_(student) {
    setUpDialogFrame(*this, "Report Progress", 660, 450);
    createControls();
    createHeadings();
    setTabStops();
    percentOption_->setChecked(true);
    fillReport(ReportMode::Percent);
}

void ProgressReportWindow::createControls() {
    scoreList_ = new QListWidget(this);
    placeControl(scoreList_, idOf(ReportControl::ScoreList), QRect(0, 20, 660, 375));
    scoreList_->setAccessibleName("Score history");
    scoreList_->setSelectionMode(QAbstractItemView::SingleSelection);
    scoreList_->setSortingEnabled(false);
    scoreList_->setUniformItemSizes(true);
    scoreList_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    scoreList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scoreList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScrollBar* scrollBar = scoreList_->verticalScrollBar();
    scrollBar->setEnabled(false);
    connect(scrollBar, &QScrollBar::rangeChanged, scrollBar,
            [scrollBar](int minimum, int maximum) { scrollBar->setEnabled(maximum > minimum); });

    percentOption_ = addOptionButton(this, idOf(ReportControl::PercentOption), "Percent correct",
                                     QRect(150, 400, 120, 20));
    connect(percentOption_, &QRadioButton::clicked, this,
            [this]() { fillReport(ReportMode::Percent); });

    correctOfTotalOption_ = addOptionButton(this, idOf(ReportControl::CorrectOfTotalOption),
                                            "Correct / Total", QRect(150, 420, 120, 20));
    connect(correctOfTotalOption_, &QRadioButton::clicked, this,
            [this]() { fillReport(ReportMode::CorrectOfTotal); });

    cancelButton_ =
        addButton(this, idOf(ReportControl::Cancel), "&Cancel", QRect(400, 405, 75, 30));
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    QPushButton* chartButton =
        addButton(this, idOf(ReportControl::Chart), "C&hart", QRect(485, 405, 75, 30));
    chartButton->setAutoDefault(false);
    connect(chartButton, &QPushButton::clicked, this, &ProgressReportWindow::showChart);
}

void ProgressReportWindow::showChart() {
    showProgressChart(this, QString::fromStdString(student_.studentName), student_.history);
}

void ProgressReportWindow::createHeadings() {
    int x = 0;
    for (const char* text : headingTexts) {
        QLabel* heading = addLabel(this, QString("heading %1").arg(QString(text).trimmed()), text,
                                   QRect(x, 0, headingWidth, headingHeight), Qt::AlignCenter);
        heading->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        x += headingWidth;
    }
}

// The stops are kept in units of a quarter of the average character width, as a list with
// tab stops counts them, and drawn where those units fall in pixels.
void ProgressReportWindow::setTabStops() {
    const QFontMetrics metrics(scoreList_->font());
    const int letters =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int average = averageCharWidth(letters);
    QList<int> stops;
    for (int pixels : reportTabStopPixels) {
        stops.append(tabStopPixels(tabStopUnits(pixels, average), average));
    }
    delegate_ = new TabStopDelegate(stops, scoreList_);
    scoreList_->setItemDelegate(delegate_);
}

void ProgressReportWindow::fillReport(ReportMode mode) {
    scoreList_->clear();
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(student_.history.size()));
    for (const std::string& row : reportRows(student_.history, mode)) {
        rows.append(QString::fromStdString(row));
    }
    scoreList_->addItems(rows);
    if (scoreList_->count() > 0) {
        scoreList_->setCurrentRow(0);
    }
    scoreList_->setFocus();
}

// The window has no default button: Enter closes it like Cancel.
void ProgressReportWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        done(static_cast<int>(ReportControl::Close));
        return;
    }
    QDialog::keyPressEvent(event);
}

void showProgressReport(QWidget* owner, const StudentRecord& student) {
    ProgressReportWindow window(student, owner);
    runCentredWindowModal(window);
}
