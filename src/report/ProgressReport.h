#pragma once

#include "records/StudentRecord.h"
#include "report/ReportRows.h"

#include <QDialog>

class QListWidget;
class QRadioButton;
class QPushButton;
class TabStopDelegate;
class QWidget;

// Control numbers of the "Report Progress" window.
enum class ReportControl : int {
    Close = 1,
    Cancel = 2,
    ScoreList = 326,
    PercentOption = 327,
    CorrectOfTotalOption = 328,
    Chart = 329,
};

// The "Report Progress" window: the child's score history as a table with one column per
// kind, written as percentages or as correct over total. It only reads the history.
class ProgressReportWindow : public QDialog {
    Q_OBJECT
public:
    ProgressReportWindow(const StudentRecord& student, QWidget* owner);

    // Refills the list in the given mode, selects the first row and focuses the list.
    void fillReport(ReportMode mode);

    QListWidget* scoreList() const { return scoreList_; }
    const TabStopDelegate* tabStopDelegate() const { return delegate_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void createHeadings();
    void setTabStops();
    void showChart();

    const StudentRecord& student_;
    QListWidget* scoreList_ = nullptr;
    QRadioButton* percentOption_ = nullptr;
    QRadioButton* correctOfTotalOption_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    TabStopDelegate* delegate_ = nullptr;
};

// Shows the report of the child's history modally and returns when it closes.
void showProgressReport(QWidget* owner, const StudentRecord& student);
