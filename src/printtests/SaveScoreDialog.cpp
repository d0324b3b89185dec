#include "printtests/SaveScoreDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "common/TextFit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace {
int idOf(SaveScoreControl id) {
    return static_cast<int>(id);
}

// The problems box starts with the number of problems on a printed page.
constexpr char problemsOnAPage[] = "70";
// Room of the "Correct out of:" label before the problems box, less a small gap.
constexpr int correctLabelRoom = 165 - 75 - 2;
} // namespace

// Controls are created in the order of the layout, which is also their Tab order.
SaveScoreDialog::SaveScoreDialog(StudentRecord& student, const std::string& todayText,
                                 QWidget* owner)
    : QDialog(owner), student_(student) {
    setUpDialogFrame(*this, "Save Test Score", 300, 220);
    createFields(todayText);
    createLabelsAndButtons();
}

// The combo box's layout height of 180 is the extent of its open list; the closed box has
// its natural height so it does not cover the row below.
void SaveScoreDialog::createFields(const std::string& todayText) {
    date_ = addLineEdit(this, idOf(SaveScoreControl::TestDate), "Test date", QRect(20, 20, 75, 20),
                        QString::fromStdString(todayText));
    date_->setCursorPosition(0);
    fitText(date_);

    kind_ = new QComboBox(this);
    kind_->setEditable(true);
    kind_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* item : scoreKindItems) {
        kind_->addItem(item);
    }
    kind_->setMaxVisibleItems(static_cast<int>(scoreKindItems.size()));
    kind_->setCurrentIndex(-1);
    placeControl(kind_, idOf(SaveScoreControl::ProblemTypes),
                 QRect(20, 60, 75, kind_->sizeHint().height()));
    kind_->setAccessibleName("Problem types");

    correct_ = addLineEdit(this, idOf(SaveScoreControl::Correct), "Number correct",
                           QRect(20, 100, 50, 20));
    problems_ = addLineEdit(this, idOf(SaveScoreControl::Problems), "Number of problems",
                            QRect(165, 100, 50, 20), problemsOnAPage);
}

void SaveScoreDialog::createLabelsAndButtons() {
    const struct {
        const char* text;
        QRect rect;
        int room;
    } labels[] = {{"Test date", {105, 20, 120, 15}, 120},
                  {"Problem types", {105, 60, 120, 15}, 120},
                  {"Correct out of:", {75, 100, 90, 15}, correctLabelRoom}};
    for (const auto& label : labels) {
        QLabel* widget = addLabel(this, QString("label %1").arg(label.text), label.text, label.rect,
                                  Qt::AlignLeft | Qt::AlignVCenter);
        fitText(widget, label.room);
    }
    addOkCancelButtons(*this, QRect(120, 150, 60, 30), QRect(185, 150, 60, 30),
                       [this]() { confirm(); });
}

ScoreEntryTexts SaveScoreDialog::typedTexts() const {
    ScoreEntryTexts texts;
    texts.date = date_->text().toStdString();
    texts.kind = kind_->currentText().toStdString();
    texts.correct = correct_->text().toStdString();
    texts.problems = problems_->text().toStdString();
    return texts;
}

// An entry that cannot be stored is refused with a message; the dialog stays open with the
// field at fault selected.
void SaveScoreDialog::confirm() {
    const ScoreEntryTexts texts = typedTexts();
    const ScoreEntryProblem problem = scoreEntryProblem(texts);
    if (problem.field != ScoreField::None) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(problem.message));
        selectField(problem.field);
        return;
    }
    saveScoreEntry(student_, texts);
    accept();
}

void SaveScoreDialog::selectField(ScoreField field) {
    if (field == ScoreField::Kind) {
        kind_->setFocus();
        kind_->lineEdit()->selectAll();
        return;
    }
    QLineEdit* box = field == ScoreField::Date      ? date_
                     : field == ScoreField::Correct ? correct_
                                                    : problems_;
    box->setFocus();
    box->selectAll();
}

void showSaveScoreDialog(QWidget* owner, StudentRecord& student, const std::string& todayText) {
    SaveScoreDialog dialog(student, todayText, owner);
    runCentredWindowModal(dialog);
}
