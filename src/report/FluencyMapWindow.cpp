// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/FluencyMapWindow.h"

#include "common/DisplayNumbers.h"
#include "common/OperationKind.h"
#include "common/PrintWhole.h"
#include "print/QtPrintDevice.h"
#include "print/cTPrint.h"
#include "printtests/FactSheet.h"
#include "records/StudentFolder.h"
#include "report/FluencyMap.h"
#include "report/FluencyMapModel.h"
#include "report/FluencyMapPrint.h"
#include "report/FluencyMapText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QLabel* namedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAccessibleName(text);
    return label;
}

// Draws a cell in its state's colour even when it is the current one, which gets a thick
// dark frame instead of the selection's fill, so its colour and mark stay in sight.
class MapCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        cell.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        QStyledItemDelegate::paint(painter, cell, index);
        if ((option.state & QStyle::State_HasFocus) != 0) {
            const int width = std::max(2, option.fontMetrics.height() / 8);
            painter->save();
            painter->setPen(QPen(option.palette.color(QPalette::Highlight).darker(150), width));
            painter->drawRect(
                option.rect.adjusted(width / 2, width / 2, -(width + 1) / 2, -(width + 1) / 2));
            painter->restore();
        }
    }
};

QTableView* createGridView(const FluencyGrid& grid, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setModel(new FluencyMapModel(grid, view));
    view->setItemDelegate(new MapCellDelegate(view));
    view->setAccessibleName(countLine(grid));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setTabKeyNavigation(false);
    // Square cells a little taller than a line of text, whatever the font.
    const int side = view->fontMetrics().height() * 3 / 2 + 4;
    for (QHeaderView* header : {view->horizontalHeader(), view->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setDefaultSectionSize(side);
        header->setMinimumSectionSize(side);
    }
    view->horizontalHeader()->setDefaultSectionSize(
        std::max(side, view->fontMetrics().horizontalAdvance(QStringLiteral("\u00D7888")) + 8));
    view->setCurrentIndex(view->model()->index(0, 0));
    return view;
}
} // namespace

FluencyMapWindow::FluencyMapWindow(const StudentRecord& student, const AnswerLogContents& log,
                                   QWidget* owner)
    : QDialog(owner), childName_(displayName(student.studentName)),
      limitMs_(childAnswerLimitMs(log)), grids_(fluencyMapGrids(student, log, limitMs_)) {
    setWindowTitle(title());
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabs");
    tabs_->setAccessibleName(tr("Operations"));
    for (const FluencyGrid& grid : grids_) {
        tabs_->addTab(createTab(grid), opText(grid.operation));
    }
    tabs_->setCurrentIndex(2); // the times tables are what most children work on
    layout->addWidget(tabs_, 1);
    layout->addWidget(createLegend());
    layout->addWidget(createButtons());
    resize(sizeWithWholeGrids());
    // The keys start in the grid: the arrows move cell by cell and each cell is read out.
    // A tab chosen later takes the keys to its own grid too.
    table(tabs_->currentIndex())->setFocus(Qt::OtherFocusReason);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tabs_->tabBar()->hasFocus() == false) {
            table(tab)->setFocus(Qt::OtherFocusReason);
        }
    });
}

// Room for the largest grid without scrolling, as far as the screen allows.
QSize FluencyMapWindow::sizeWithWholeGrids() const {
    QSize wanted = sizeHint();
    const QSize shown = table(2)->sizeHint();
    for (int tab = 0; tab < tabs_->count(); ++tab) {
        const QTableView* view = table(tab);
        const int frame =
            2 * view->frameWidth() + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const QSize whole(view->verticalHeader()->sizeHint().width() +
                              view->horizontalHeader()->length() + frame,
                          view->horizontalHeader()->sizeHint().height() +
                              view->verticalHeader()->length() + frame);
        wanted = wanted.expandedTo(sizeHint() + whole - shown);
    }
    const QScreen* screen = this->screen();
    return screen == nullptr ? wanted : wanted.boundedTo(screen->availableGeometry().size() * 0.9);
}

QString FluencyMapWindow::title() const {
    return tr("Fluency Map - %1").arg(childName_);
}

QTableView* FluencyMapWindow::table(int tab) const {
    return tabs_->widget(tab)->findChild<QTableView*>();
}

QWidget* FluencyMapWindow::createTab(const FluencyGrid& grid) {
    auto* page = new QWidget(tabs_);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(namedLabel(countLine(grid), page));
    layout->addWidget(createGridView(grid, page), 1);
    return page;
}

// The legend: each mark on its colour with its meaning, and what "known" means in seconds.
QWidget* FluencyMapWindow::createLegend() {
    auto* legend = new QWidget(this);
    auto* layout = new QVBoxLayout(legend);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* marks = new QHBoxLayout;
    for (FactState state : legendStates) {
        QLabel* entry = namedLabel(legendEntry(state), legend);
        entry->setAutoFillBackground(true);
        QPalette palette = entry->palette();
        palette.setColor(QPalette::Window, stateColour(state));
        palette.setColor(QPalette::WindowText, Qt::black);
        entry->setPalette(palette);
        entry->setMargin(4);
        entry->setFrameShape(QFrame::Box);
        marks->addWidget(entry);
    }
    marks->addStretch();
    layout->addLayout(marks);
    const QString rule = tr("Known: right twice in a row, each time within %1 seconds.")
                             .arg(displayDecimal(limitMs_ / 1000.0, 1));
    QLabel* ruleLabel = namedLabel(rule, legend);
    ruleLabel->setWordWrap(true);
    layout->addWidget(ruleLabel);
    return legend;
}

QWidget* FluencyMapWindow::createButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [row, layout](const QString& text) {
        auto* button = new QPushButton(text, row);
        button->setAccessibleName(QString(text).remove('&'));
        button->setAutoDefault(false);
        layout->addWidget(button);
        return button;
    };
    connect(add(tr("&Print...")), &QPushButton::clicked, this,
            &FluencyMapWindow::printMapWithDialog);
    connect(add(tr("Practice &sheet...")), &QPushButton::clicked, this,
            &FluencyMapWindow::printPracticeSheet);
    connect(add(tr("&One-minute check...")), &QPushButton::clicked, this,
            &FluencyMapWindow::printOneMinuteCheck);
    layout->addStretch();
    connect(add(tr("&Close")), &QPushButton::clicked, this, &QDialog::accept);
    return row;
}

const FluencyGrid& FluencyMapWindow::shownGrid() const {
    return grids_[static_cast<std::size_t>(std::max(tabs_->currentIndex(), 0))];
}

bool FluencyMapWindow::printMapWithDialog() {
    return printWithDialog(
        this, title(),
        [this](QPrinter& printer) { return printFluencyMap(printer, grids_, title()); },
        {tr("Print Fluency Map"), tr("The fluency map could not be saved as %1."),
         tr("The fluency map could not be printed.")});
}

// A sheet needs facts still to learn; when the tab has none, the grown-up is told why and
// nothing is printed.
bool FluencyMapWindow::hasFactsToLearn() {
    if (!sheetFacts(shownGrid()).empty()) {
        return true;
    }
    const QString name = opText(shownGrid().operation);
    QMessageBox::information(
        this, windowTitle(),
        shownGrid().cells.empty()
            ? tr("The child's number range holds no %1 facts.").arg(name)
            : tr("Every %1 fact in the child's number range is known: there is nothing left to "
                 "practise on paper.")
                  .arg(name));
    return false;
}

void FluencyMapWindow::printPracticeSheet() {
    if (hasFactsToLearn()) {
        QtPrintDevice device(this);
        cTPrint printer(device);
        ::printPracticeSheet(printer, sheetFacts(shownGrid()), shownGrid().operation);
    }
}

void FluencyMapWindow::printOneMinuteCheck() {
    if (hasFactsToLearn()) {
        QtPrintDevice device(this);
        cTPrint printer(device);
        ::printOneMinuteCheck(printer, sheetFacts(shownGrid()), shownGrid().operation);
    }
}

void showFluencyMap(QWidget* parent, const StudentRecord& student, const AnswerLogContents& log) {
    FluencyMapWindow window(student, log, parent);
    window.exec();
}
