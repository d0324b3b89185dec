// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ResultsWindow.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "common/ScreenReaderNotice.h"
#include "dialogs/ControlIds.h"
#include "dialogs/DialogTables.h"
#include "dialogs/ResultsText.h"

#include "common/TextFit.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <array>

namespace {
constexpr std::array<ControlRow, 6> controls = {{
    {ControlKind::Label, "scoreLabel", "", QRect(10, 10, 200, 50)},
    {ControlKind::Label, "wrongAnswersLabel",
     QT_TRANSLATE_NOOP("ResultsWindow", "Problems with wrong answers:"), QRect(10, 70, 200, 20)},
    {ControlKind::Placed, "330", QT_TRANSLATE_NOOP("ResultsWindow", "Problems with wrong answers"),
     QRect(20, 90, 200, 200)},
    {ControlKind::Label, "answerLabel", QT_TRANSLATE_NOOP("ResultsWindow", "Ans:"),
     QRect(20, 305, 30, 20)},
    {ControlKind::Placed, "332", QT_TRANSLATE_NOOP("ResultsWindow", "Correct answer"),
     QRect(50, 305, 40, 20)},
    {ControlKind::Button, "1", QT_TRANSLATE_NOOP("ResultsWindow", "&Ok"), QRect(140, 300, 80, 30)},
}};

class ResultsWindow : public QDialog {
public:
    ResultsWindow(QWidget* owner, const ResultsSummary& summary)
        : QDialog(owner), wrongList_(summary.wrongList) {
        setUpDialogFrame(*this, resultsCaption(summary.recordCount), 240, 340);
        addControls(this, "ResultsWindow", controls, [this](const ControlRow& row) -> QWidget* {
            return row.name == controlName(static_cast<int>(ResultsControlId::WrongList))
                       ? makeWrongList()
                       : makeAnswerBox();
        });
        setFittedText(findChild<QLabel*>("scoreLabel"),
                      resultsScoreText(summary.correctCount, summary.testProblemCount));
        connectOkCancelButtons(*this);
        sayFirstWrongAnswer();
    }

private:
    // The list takes the focus with nothing selected, and a screen reader says only how many
    // problems it holds; the first one and its right answer are said once the window is read.
    void sayFirstWrongAnswer() {
        if (wrongList_.empty()) {
            return;
        }
        QString problem = QString::fromStdString(wrongList_.front().problemText).simplified();
        if (problem.endsWith('=')) {
            problem = QCoreApplication::translate("ResultsWindow", "%1 no answer").arg(problem);
        }
        ScreenReaderNotice::of(this)->say(
            {QCoreApplication::translate("ResultsWindow", "First: %1, correct answer %2")
                 .arg(problem,
                      QString::fromStdString(wrongList_.front().correctText).simplified())});
    }

    QWidget* makeWrongList() {
        list_ = new QListWidget(this);
        list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list_->setSortingEnabled(false);
        for (const WrongAnswer& wrong : wrongList_) {
            list_->addItem(QString::fromStdString(wrong.problemText));
        }
        connect(list_, &QListWidget::itemSelectionChanged, this,
                [this]() { showCorrectAnswer(selectedRow()); });
        return list_;
    }

    QWidget* makeAnswerBox() {
        answer_ = new QLineEdit(this);
        answer_->setReadOnly(true);
        return answer_;
    }

    int selectedRow() const {
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        return selected.isEmpty() ? -1 : list_->row(selected.front());
    }

    void showCorrectAnswer(int row) {
        const bool inList = row >= 0 && row < static_cast<int>(wrongList_.size());
        answer_->setText(inList ? QString::fromStdString(wrongList_[row].correctText) : QString());
    }

    std::vector<WrongAnswer> wrongList_;
    QListWidget* list_ = nullptr;
    QLineEdit* answer_ = nullptr;
};
} // namespace

std::span<const ControlRow> resultsControls() {
    return controls;
}

void showResultsWindow(QWidget* owner, const ResultsSummary& summary) {
    ResultsWindow window(owner, summary);
    runCentredWindowModal(window);
}

QDialog* openResultsWindow(QWidget* owner, const ResultsSummary& summary) {
    auto* window = new ResultsWindow(owner, summary);
    openCentredWindowModal(window);
    return window;
}
