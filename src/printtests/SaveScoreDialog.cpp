// SPDX-License-Identifier: GPL-3.0-or-later
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

const SaveScorePlace& placeOf(SaveScoreControl id) {
    for (const SaveScorePlace& place : saveScoreLayout) {
        if (place.id == idOf(id)) {
            return place;
        }
    }
    return saveScoreLayout[0]; // every control has its place: not reached
}

QLineEdit* addBox(QWidget* dialog, SaveScoreControl id, const QString& text = {}) {
    const SaveScorePlace& place = placeOf(id);
    return addLineEdit(dialog, place.id, SaveScoreDialog::tr(place.text), place.rect, text);
}

// The problems box starts with the number of problems on a printed page.
constexpr char problemsOnAPage[] = "70";
} // namespace

// Controls are created in the order of the layout, which is also their Tab order.
SaveScoreDialog::SaveScoreDialog(StudentRecord& student, const std::string& todayText,
                                 QWidget* owner)
    : QDialog(owner), student_(student) {
    setUpDialogFrame(*this, tr("Save Test Score"), 300, 220);
    createFields(todayText);
    createLabelsAndButtons();
}

void SaveScoreDialog::createFields(const std::string& todayText) {
    date_ = addBox(this, SaveScoreControl::TestDate, QString::fromStdString(todayText));
    date_->setCursorPosition(0);
    fitText(date_);

    kind_ = new QComboBox(this);
    kind_->setEditable(true);
    kind_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* item : scoreKindItems) {
        kind_->addItem(scoreKindText(item));
    }
    kind_->setMaxVisibleItems(static_cast<int>(scoreKindItems.size()));
    kind_->setCurrentIndex(-1);
    // Closed at its natural height, so it does not cover the row below.
    const SaveScorePlace& kindPlace = placeOf(SaveScoreControl::ProblemTypes);
    QRect kindRect = kindPlace.rect;
    kindRect.setHeight(kind_->sizeHint().height());
    placeControl(kind_, kindPlace.id, kindRect);
    nameTypedInComboBox(kind_, tr(kindPlace.text));

    correct_ = addBox(this, SaveScoreControl::Correct);
    problems_ = addBox(this, SaveScoreControl::Problems, problemsOnAPage);
}

void SaveScoreDialog::createLabelsAndButtons() {
    for (const SaveScorePlace& place : saveScoreLayout) {
        if (place.id == 0) {
            QRect room = place.rect;
            room.setWidth(place.room);
            // The label is fitted to its room before the box (DialogControls.h).
            addLabel(this, QString("label %1").arg(place.text), tr(place.text), room,
                     Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    addOkCancelButtons(*this, placeOf(SaveScoreControl::Ok).rect,
                       placeOf(SaveScoreControl::Cancel).rect, [this]() { confirm(); });
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
    QLineEdit* box = field == ScoreField::Correct ? correct_ : problems_;
    box->setFocus();
    box->selectAll();
}

void showSaveScoreDialog(QWidget* owner, StudentRecord& student, const std::string& todayText) {
    SaveScoreDialog dialog(student, todayText, owner);
    runCentredWindowModal(dialog);
}
