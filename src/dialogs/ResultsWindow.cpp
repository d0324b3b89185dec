#include "dialogs/ResultsWindow.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "dialogs/ControlIds.h"
#include "dialogs/MessageText.h"
#include "dialogs/ResultsText.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
class ResultsWindow : public QDialog {
public:
    ResultsWindow(QWidget* owner, const ResultsSummary& summary)
        : QDialog(owner), wrongList_(summary.wrongList) {
        setUpDialogFrame(*this, QString::fromStdString(resultsCaption(summary.recordCount)), 240,
                         340);
        const std::string score = resultsScoreText(summary.correctCount, summary.testProblemCount);
        addLabel(this, "scoreLabel", QString::fromStdString(withLineFeeds(score)),
                 QRect(10, 10, 200, 50));
        addLabel(this, "wrongAnswersLabel", "Problems with wrong answers:", QRect(10, 70, 200, 20));
        addWrongList();
        addLabel(this, "answerLabel", "Ans:", QRect(20, 305, 30, 20));
        addAnswerBox();
        auto* ok =
            addButton(this, static_cast<int>(DialogButtonId::Ok), "&Ok", QRect(140, 300, 80, 30));
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }

private:
    void addWrongList() {
        list_ = new QListWidget(this);
        list_->setObjectName(controlName(static_cast<int>(ResultsControlId::WrongList)));
        list_->setAccessibleName("Problems with wrong answers");
        list_->setGeometry(20, 90, 200, 200);
        list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list_->setSortingEnabled(false);
        for (const WrongAnswer& wrong : wrongList_) {
            list_->addItem(QString::fromStdString(wrong.problemText));
        }
        connect(list_, &QListWidget::itemSelectionChanged, this,
                [this]() { showCorrectAnswer(selectedRow()); });
    }

    void addAnswerBox() {
        answer_ = new QLineEdit(this);
        answer_->setObjectName(controlName(static_cast<int>(ResultsControlId::CorrectAnswer)));
        answer_->setAccessibleName("Correct answer");
        answer_->setReadOnly(true);
        answer_->setGeometry(50, 305, 40, 20);
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

void showResultsWindow(QWidget* owner, const ResultsSummary& summary) {
    ResultsWindow window(owner, summary);
    runCentredWindowModal(window);
}
