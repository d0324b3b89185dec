// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileWrite.h"
#include "overview/OverviewRow.h"
#include "records/AnswerLog.h"

#include <QMainWindow>

#include <optional>
#include <vector>

class KnownFactsCounter;
class OverviewModel;
class QBoxLayout;
class QPrinter;
class QSortFilterProxyModel;
class QTableView;

// Control numbers of the class overview window; its buttons in the order they stand.
enum class OverviewControl : int {
    Close = 2,
    Table = 401,
    Status = 402,
    OpenChart = 403,
    ExportCsv = 404,
    Print = 405,
    SavePdf = 406,
    FluencyMap = 407,
};

struct OverviewButton {
    OverviewControl id;
    const char* text; // as written; shown from the catalogue
};
inline constexpr OverviewButton overviewButtons[] = {
    {OverviewControl::FluencyMap, QT_TRANSLATE_NOOP("OverviewWindow", "Fluency &map")},
    {OverviewControl::OpenChart, QT_TRANSLATE_NOOP("OverviewWindow", "Open &Chart")},
    {OverviewControl::ExportCsv, QT_TRANSLATE_NOOP("OverviewWindow", "&Export CSV...")},
    {OverviewControl::Print, QT_TRANSLATE_NOOP("OverviewWindow", "&Print...")},
    {OverviewControl::SavePdf, QT_TRANSLATE_NOOP("OverviewWindow", "Save as P&DF...")},
    {OverviewControl::Close, QT_TRANSLATE_NOOP("OverviewWindow", "&Close")},
};

// What the fluency map of a child is drawn from: the child's ranges and results, and every
// answer of the child's logs merged in memory (problem says why a log could not be read
// whole; what could be read is there).
struct FluencyMapSource {
    StudentRecord student;
    AnswerLogContents log;
    QString problem;
};

// "Tallyburrow class overview": every child of a data folder in one sortable table, with
// each child's chart, CSV export, and printing or saving as PDF. It never writes to the
// folder it shows.
class OverviewWindow : public QMainWindow {
    Q_OBJECT
public:
    OverviewWindow(const QString& folder, QWidget* parent = nullptr);

    // The rows in the order the table shows them.
    std::vector<const OverviewRow*> shownRows() const;

    // Each export replaces its file only once the whole file is written, and says why not.
    WriteOutcome exportCsv(const QString& path);
    WriteOutcome printTo(QPrinter& printer) const;
    WriteOutcome savePdf(const QString& path) const;

    bool exportCsvWithDialog();
    bool printWithDialog();
    bool savePdfWithDialog();
    void openChart(const QModelIndex& index);
    // The child of the row: nothing (after saying why) for a file that cannot be read.
    std::optional<FluencyMapSource> fluencyMapSourceOf(const QModelIndex& index);
    void showFluencyMapOf(const QModelIndex& index);

    // The known columns are counted after the window is made; this waits until they are all
    // in (exports and printing wait for them too).
    void waitForKnownFacts() const;

    QTableView* table() const { return table_; }

private:
    void addButtons(QBoxLayout* row);
    int widestChildCell() const;
    void warn(const QString& text);

    QString folder_;
    OverviewModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QTableView* table_ = nullptr;
    KnownFactsCounter* knownFacts_ = nullptr;
};
