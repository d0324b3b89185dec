// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ControlTable.h"
#include "records/AnswerLog.h"
#include "records/StudentRecord.h"
#include "report/ReportRows.h"

#include <QDialog>

#include <span>

class QRadioButton;
class QTreeWidget;
class QWidget;

// Control numbers of the "Report Progress" window.
enum class ReportControl : int {
    Close = 1,
    Cancel = 2,
    ScoreList = 326,
    PercentOption = 327,
    CorrectOfTotalOption = 328,
    Chart = 329,
    FluencyMap = 330,
};

// The controls of the "Report Progress" window, client pixels of its 660 x 450 area.
std::span<const ControlRow> reportControls();

// The "Report Progress" window: the child's score history as a table with a column per kind
// under a header, written as percentages or as correct over total. It only reads the history.
class ProgressReportWindow : public QDialog {
    Q_OBJECT
public:
    // The log's answers make the fluency map; without one the map shows every fact untried.
    ProgressReportWindow(const StudentRecord& student, QWidget* owner,
                         const AnswerLogContents& log = noAnswers());

    // An answer log with no answers.
    static const AnswerLogContents& noAnswers();

    // Refills the table in the given mode, selects the first row and focuses the table.
    void fillReport(ReportMode mode);

    QTreeWidget* scoreList() const { return scoreList_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* createScoreList();
    void connectControls();
    void showChart();

    const StudentRecord& student_;
    const AnswerLogContents& log_;
    QTreeWidget* scoreList_ = nullptr;
};

// Shows the report of the child's history modally and returns when it closes; its Fluency
// map button shows the map of the child's answers in the log.
void showProgressReport(QWidget* owner, const StudentRecord& student,
                        const AnswerLogContents& log = ProgressReportWindow::noAnswers());
