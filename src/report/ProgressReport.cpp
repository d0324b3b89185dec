// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ProgressReport.h"

#include "common/DialogFrame.h"
#include "common/ScreenReaderNotice.h"
#include "common/TextFit.h"
#include "records/StudentFolder.h"
#include "report/ChartWindow.h"
#include "report/FluencyMapWindow.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <array>
#include <utility>

namespace {
constexpr std::array<ControlRow, 6> controls = {{
    {ControlKind::Placed, "326", QT_TRANSLATE_NOOP("ProgressReportWindow", "Score history"),
     QRect(0, 0, 660, 395)},
    {ControlKind::Option, "327", QT_TRANSLATE_NOOP("ProgressReportWindow", "Percent correct"),
     QRect(150, 400, 120, 20)},
    {ControlKind::Option, "328", QT_TRANSLATE_NOOP("ProgressReportWindow", "Correct / Total"),
     QRect(150, 420, 120, 20)},
    {ControlKind::Button, "2", QT_TRANSLATE_NOOP("ProgressReportWindow", "&Cancel"),
     QRect(400, 405, 75, 30)},
    {ControlKind::Button, "329", QT_TRANSLATE_NOOP("ProgressReportWindow", "C&hart"),
     QRect(485, 405, 75, 30)},
    {ControlKind::Button, "330", QT_TRANSLATE_NOOP("ProgressReportWindow", "&Fluency map"),
     QRect(570, 405, 85, 30)},
}};

constexpr int columnWidth = 80;
constexpr int headerHeight = 20;

// Where a cell's text starts, in pixels from the cell's left edge: the date 5 pixels in, a
// result 20 pixels right of its heading's left edge.
int textInset(int column) {
    return column == 0 ? 5 : 20;
}

// Draws a cell as the style does, with its text moved to the column's inset.
class ReportCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString text = std::exchange(cell.text, QString());
        QStyle* style = cell.widget->style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
        const bool selected = (cell.state & QStyle::State_Selected) != 0;
        style->drawItemText(painter, cell.rect.adjusted(textInset(index.column()), 0, 0, 0),
                            Qt::AlignLeft | Qt::AlignVCenter, cell.palette, true, text,
                            selected ? QPalette::HighlightedText : QPalette::Text);
    }
};

// A row of the table; each cell tells a screen reader its column's heading and the date,
// worked out when asked for rather than stored for every cell of a long history.
class ReportRow : public QTreeWidgetItem {
public:
    explicit ReportRow(const QStringList& cells) : QTreeWidgetItem(cells) {}

    QVariant data(int column, int role) const override {
        if (role != Qt::AccessibleTextRole) {
            return QTreeWidgetItem::data(column, role);
        }
        QStringList cells;
        for (int index = 0; index < columnCount(); ++index) {
            cells.append(text(index));
        }
        return cellSpeech(cells, column);
    }
};

template <typename Control> Control* child(QWidget* window, ReportControl id) {
    return window->findChild<Control*>(controlName(static_cast<int>(id)));
}
} // namespace

std::span<const ControlRow> reportControls() {
    return controls;
}

const AnswerLogContents& ProgressReportWindow::noAnswers() {
    static const AnswerLogContents none;
    return none;
}

ProgressReportWindow::ProgressReportWindow(const StudentRecord& student, QWidget* owner,
                                           const AnswerLogContents& log)
    : QDialog(owner), student_(student), log_(log) {
    setUpDialogFrame(*this, tr("Report Progress"), 660, 450);
    addControls(this, "ProgressReportWindow", controls,
                [this](const ControlRow&) { return createScoreList(); });
    connectControls();
    child<QRadioButton>(this, ReportControl::PercentOption)->setChecked(true);
    fillReport(ReportMode::Percent);
    // A screen reader reads the window and the table's name on arrival, not what it holds.
    const int count = scoreList_->topLevelItemCount();
    QString summary;
    if (count == 0) {
        summary = tr("Score history: no results yet");
    } else {
        const QString first =
            rowSpeech(reportCells(allResults(student_).front(), ReportMode::Percent));
        //: %1 is the first result's row, "03-15-2006, Add 71.43"
        summary = count == 1 ? tr("Score history: 1 result. %1").arg(first)
                             : tr("Score history: %n results. %1", nullptr, count).arg(first);
    }
    ScreenReaderNotice::of(this)->say({summary});
}

QWidget* ProgressReportWindow::createScoreList() {
    scoreList_ = new QTreeWidget(this);
    scoreList_->setColumnCount(static_cast<int>(reportHeadings().size()));
    scoreList_->setHeaderLabels(reportHeadings());
    scoreList_->setRootIsDecorated(false);
    scoreList_->setIndentation(0);
    scoreList_->setItemsExpandable(false);
    scoreList_->setUniformRowHeights(true);
    scoreList_->setAllColumnsShowFocus(true);
    scoreList_->setSelectionMode(QAbstractItemView::SingleSelection);
    scoreList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    scoreList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    scoreList_->setItemDelegate(new ReportCellDelegate(scoreList_));
    scoreList_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QHeaderView* header = scoreList_->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultSectionSize(columnWidth);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setFixedHeight(headerHeight);
    scoreList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scoreList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScrollBar* scrollBar = scoreList_->verticalScrollBar();
    scrollBar->setEnabled(false);
    connect(scrollBar, &QScrollBar::rangeChanged, scrollBar,
            [scrollBar](int minimum, int maximum) { scrollBar->setEnabled(maximum > minimum); });
    return scoreList_;
}

void ProgressReportWindow::connectControls() {
    connect(child<QRadioButton>(this, ReportControl::PercentOption), &QRadioButton::clicked, this,
            [this]() { fillReport(ReportMode::Percent); });
    connect(child<QRadioButton>(this, ReportControl::CorrectOfTotalOption), &QRadioButton::clicked,
            this, [this]() { fillReport(ReportMode::CorrectOfTotal); });
    auto* cancel = child<QPushButton>(this, ReportControl::Cancel);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* chart = child<QPushButton>(this, ReportControl::Chart);
    chart->setAutoDefault(false);
    connect(chart, &QPushButton::clicked, this, &ProgressReportWindow::showChart);
    auto* fluencyMap = child<QPushButton>(this, ReportControl::FluencyMap);
    fluencyMap->setAutoDefault(false);
    // The longest text of the row: in a larger font it is condensed rather than cut.
    fitText(fluencyMap);
    connect(fluencyMap, &QPushButton::clicked, this,
            [this]() { showFluencyMap(this, student_, log_); });
}

void ProgressReportWindow::showChart() {
    showProgressChart(this, displayName(student_.studentName), allResults(student_));
}

void ProgressReportWindow::fillReport(ReportMode mode) {
    scoreList_->clear();
    QList<QTreeWidgetItem*> rows;
    const std::vector<ScoreRecord> results = allResults(student_); // archived ones first
    rows.reserve(static_cast<qsizetype>(results.size()));
    for (const ScoreRecord& record : results) {
        rows.append(new ReportRow(reportCells(record, mode)));
    }
    scoreList_->addTopLevelItems(rows);
    if (!rows.isEmpty()) {
        scoreList_->setCurrentItem(rows.front());
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

void showProgressReport(QWidget* owner, const StudentRecord& student,
                        const AnswerLogContents& log) {
    ProgressReportWindow window(student, owner, log);
    runCentredWindowModal(window);
}
