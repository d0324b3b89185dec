// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/Fluency.h"
#include "records/AnswerLog.h"
#include "records/StudentRecord.h"

#include <QDialog>

#include <array>

class QTabWidget;
class QTableView;

// The fluency map: a tab per operation with the grid of its facts over the child's ranges,
// each cell a table cell showing the fact's state by colour and mark, with the count of known
// facts above and the legend below. It prints the map, and a practice sheet or a one-minute
// check of the facts of the tab shown that are still to learn.
class FluencyMapWindow : public QDialog {
    Q_OBJECT
public:
    FluencyMapWindow(const StudentRecord& student, const AnswerLogContents& log, QWidget* owner);

    QTabWidget* tabs() const { return tabs_; }
    QTableView* table(int tab) const;
    const std::array<FluencyGrid, 4>& grids() const { return grids_; }
    // The window's title, also the printed map's title: "Fluency Map - Ann".
    QString title() const;

    // Each asks for the printer (PDF included) and prints; false when cancelled or failed.
    bool printMapWithDialog();
    void printPracticeSheet();
    void printOneMinuteCheck();

private:
    QWidget* createTab(const FluencyGrid& grid);
    QWidget* createLegend();
    QWidget* createButtons();
    QSize sizeWithWholeGrids() const;
    const FluencyGrid& shownGrid() const;
    bool hasFactsToLearn();

    QString childName_;
    std::uint32_t limitMs_ = 0;
    std::array<FluencyGrid, 4> grids_;
    QTabWidget* tabs_ = nullptr;
};

// Shows the child's fluency map modally and returns when it closes.
void showFluencyMap(QWidget* parent, const StudentRecord& student, const AnswerLogContents& log);
