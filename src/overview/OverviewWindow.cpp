// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/OverviewWindow.h"

#include "report/FluencyMapWindow.h"

#include "common/DialogControls.h"
#include "common/PrintWhole.h"
#include "overview/ChildAnswers.h"
#include "overview/KnownFactsCounter.h"
#include "overview/OverviewExport.h"
#include "overview/OverviewModel.h"
#include "report/ChartWindow.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTextDocument>

namespace {
QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
} // namespace

OverviewWindow::OverviewWindow(const QString& folder, QWidget* parent)
    : QMainWindow(parent), folder_(folder) {
    setWindowTitle(tr("Tallyburrow class overview"));
    std::vector<OverviewRow> rows = readOverview(std::filesystem::path(folder_.toStdU16String()));
    const QString status = overviewStatus(rows, QFileInfo(folder_).isDir());
    model_ = new OverviewModel(std::move(rows), this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(Qt::UserRole);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    auto* heading = new QLabel(tr("Children in %1").arg(QDir::toNativeSeparators(folder_)));
    heading->setObjectName("heading");
    heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(heading);

    table_ = new QTableView(this);
    table_->setObjectName(controlName(static_cast<int>(OverviewControl::Table)));
    table_->setAccessibleName(tr("Children"));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    // Numbers and dates have one width, so the rows in view size their columns; the child
    // column is made as wide as the longest name, which measuring every row would take long.
    table_->horizontalHeader()->setResizeContentsPrecision(0);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    table_->setColumnWidth(0, widestChildCell());
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableView::activated, this, &OverviewWindow::openChart);
    layout->addWidget(table_, 1);

    auto* statusLine = new QLabel(status, this);
    statusLine->setObjectName(controlName(static_cast<int>(OverviewControl::Status)));
    statusLine->setWordWrap(true); // the counts of log problems can make it long
    layout->addWidget(statusLine);
    knownFacts_ =
        new KnownFactsCounter(model_, std::filesystem::path(folder_.toStdU16String()), this);
    if (!knownFacts_->done()) {
        statusLine->setText(tr("%1 Counting the facts each child knows...").arg(status));
        connect(knownFacts_, &KnownFactsCounter::finished, statusLine, [this, statusLine]() {
            statusLine->setText(overviewStatus(model_->rows(), QFileInfo(folder_).isDir()));
        });
    }

    auto* buttons = new QHBoxLayout;
    addButtons(buttons);
    layout->addLayout(buttons);
    resize(960, 540);
    if (model_->rowCount() > 0) {
        table_->selectRow(0);
    }
    table_->setFocus();
}

int OverviewWindow::widestChildCell() const {
    const QFontMetrics metrics(table_->font());
    int widest = metrics.horizontalAdvance(overviewHeadings().front());
    for (int row = 0; row < model_->rowCount(); ++row) {
        widest =
            std::max(widest, metrics.horizontalAdvance(model_->index(row, 0).data().toString()));
    }
    return widest + 4 * metrics.averageCharWidth();
}

// The fluency map's button stands alone at the left, so that the buttons the overview always
// had keep their places at the right.
void OverviewWindow::addButtons(QBoxLayout* row) {
    for (const OverviewButton& button : overviewButtons) {
        if (button.id == OverviewControl::OpenChart) {
            row->addStretch(1);
        }
        auto* push = addRowButton(this, row, static_cast<int>(button.id), tr(button.text));
        switch (button.id) {
        case OverviewControl::OpenChart:
            connect(push, &QPushButton::clicked, this,
                    [this]() { openChart(table_->currentIndex()); });
            break;
        case OverviewControl::FluencyMap:
            connect(push, &QPushButton::clicked, this,
                    [this]() { showFluencyMapOf(table_->currentIndex()); });
            break;
        case OverviewControl::ExportCsv:
            connect(push, &QPushButton::clicked, this, &OverviewWindow::exportCsvWithDialog);
            break;
        case OverviewControl::Print:
            connect(push, &QPushButton::clicked, this, &OverviewWindow::printWithDialog);
            break;
        case OverviewControl::SavePdf:
            connect(push, &QPushButton::clicked, this, &OverviewWindow::savePdfWithDialog);
            break;
        default:
            connect(push, &QPushButton::clicked, this, &QWidget::close);
            break;
        }
    }
}

std::vector<const OverviewRow*> OverviewWindow::shownRows() const {
    std::vector<const OverviewRow*> rows;
    for (int i = 0; i < sorted_->rowCount(); ++i) {
        rows.push_back(&model_->row(sorted_->mapToSource(sorted_->index(i, 0)).row()));
    }
    return rows;
}

void OverviewWindow::waitForKnownFacts() const {
    knownFacts_->waitUntilDone();
}

WriteOutcome OverviewWindow::exportCsv(const QString& path) {
    waitForKnownFacts();
    return writeFileAtomically(std::filesystem::path(path.toStdU16String()),
                               overviewCsv(shownRows()));
}

WriteOutcome OverviewWindow::printTo(QPrinter& printer) const {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(tr("Tallyburrow class overview"));
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(7);
    document.setDefaultFont(font);
    waitForKnownFacts();
    document.setHtml(overviewHtml(shownRows(), folder_, QDate::currentDate()));
    return printWhole(printer, [&]() {
        document.print(&printer);
        return printer.printerState() != QPrinter::Error;
    });
}

WriteOutcome OverviewWindow::savePdf(const QString& path) const {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return printTo(printer);
}

void OverviewWindow::warn(const QString& text) {
    QMessageBox::warning(this, tr("Tallyburrow class overview"), text);
}

bool OverviewWindow::exportCsvWithDialog() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export CSV"), documentsFolder() + "/class-overview.csv", tr("CSV files (*.csv)"));
    if (path.isEmpty()) {
        return false;
    }
    if (const WriteOutcome saved = exportCsv(path); !saved) {
        warn(notSavedText(tr("The table could not be saved as %1."), path, saved.reason));
        return false;
    }
    return true;
}

bool OverviewWindow::printWithDialog() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    if (const WriteOutcome printed = printTo(printer); !printed) {
        warn(printsToFile(printer) ? notSavedText(tr("The table could not be saved as %1."),
                                                  printer.outputFileName(), printed.reason)
                                   : tr("The table could not be printed."));
        return false;
    }
    return true;
}

bool OverviewWindow::savePdfWithDialog() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save as PDF"),
                                                      documentsFolder() + "/class-overview.pdf",
                                                      tr("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return false;
    }
    if (const WriteOutcome saved = savePdf(path); !saved) {
        warn(notSavedText(tr("The table could not be saved as %1."), path, saved.reason));
        return false;
    }
    return true;
}

void OverviewWindow::openChart(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    const OverviewRow& row = model_->row(sorted_->mapToSource(index).row());
    if (row.file.state == ChildFileState::Unreadable) {
        warn(tr("The file of %1 cannot be read: %2.").arg(row.file.name, row.file.problem));
        return;
    }
    showProgressChart(this, row.file.name, row.file.history);
}

std::optional<FluencyMapSource> OverviewWindow::fluencyMapSourceOf(const QModelIndex& index) {
    if (!index.isValid()) {
        return std::nullopt;
    }
    const OverviewRow& row = model_->row(sorted_->mapToSource(index).row());
    if (row.file.state == ChildFileState::Unreadable) {
        warn(tr("The file of %1 cannot be read: %2.").arg(row.file.name, row.file.problem));
        return std::nullopt;
    }
    FluencyMapSource source{row.file.settings, {}, {}};
    source.student.history = row.file.history;
    const std::filesystem::path& childFile = row.file.path;
    ChildAnswers answers =
        readChildAnswers(childFile, SideLogListing(childFile.parent_path()).of(childFile));
    source.log = std::move(answers.log);
    source.problem = std::move(answers.problem);
    return source;
}

void OverviewWindow::showFluencyMapOf(const QModelIndex& index) {
    const std::optional<FluencyMapSource> source = fluencyMapSourceOf(index);
    if (!source) {
        return;
    }
    if (!source->problem.isEmpty()) {
        warn(tr("The map shows only the answers that could be read.\n%1").arg(source->problem));
    }
    showFluencyMap(this, source->student, source->log);
}
