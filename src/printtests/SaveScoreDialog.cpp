#include "printtests/SaveScoreDialog.h"

#include "report/DialogFrame.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString idName(SaveScoreControl id) {
    return QString::number(static_cast<int>(id));
}

// The problems box starts with the number of problems on a printed page.
constexpr char problemsOnAPage[] = "70";

// A line edit's frame and inner margins, both sides together.
constexpr int lineEditChrome = 10;
// Room of the "Correct out of:" label before the problems box, less a small gap.
constexpr int correctLabelRoom = 165 - 75 - 2;
} // namespace

// Controls are created in the order of the layout, which is also their Tab order.
SaveScoreDialog::SaveScoreDialog(StudentRecord& student, const std::string& todayText,
                                 QWidget* owner)
    : QDialog(owner), student_(student) {
    setWindowTitle("Save Test Score");
    applyDialogFrame(*this, QSize(300, 220));
    createFields(todayText);
    createLabelsAndButtons();
}

// The combo box's layout height of 180 is the extent of its open list; the closed box has
// its natural height so it does not cover the row below.
void SaveScoreDialog::createFields(const std::string& todayText) {
    date_ = new QLineEdit(QString::fromStdString(todayText), this);
    placeControl(*date_, idName(SaveScoreControl::TestDate), 20, 20, 75, 20);
    date_->setAccessibleName("Test date");
    date_->setCursorPosition(0);
    condenseToFit(*date_, date_->text(), date_->width() - lineEditChrome);

    kind_ = new QComboBox(this);
    kind_->setEditable(true);
    kind_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* item : scoreKindItems) {
        kind_->addItem(item);
    }
    kind_->setMaxVisibleItems(static_cast<int>(scoreKindItems.size()));
    kind_->setCurrentIndex(-1);
    placeControl(*kind_, idName(SaveScoreControl::ProblemTypes), 20, 60, 75,
                 kind_->sizeHint().height());
    kind_->setAccessibleName("Problem types");

    correct_ = new QLineEdit(this);
    placeControl(*correct_, idName(SaveScoreControl::Correct), 20, 100, 50, 20);
    correct_->setAccessibleName("Number correct");

    problems_ = new QLineEdit(problemsOnAPage, this);
    placeControl(*problems_, idName(SaveScoreControl::Problems), 165, 100, 50, 20);
    problems_->setAccessibleName("Number of problems");
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
        auto* widget = new QLabel(label.text, this);
        placeControl(*widget, QString("label %1").arg(label.text), label.rect.x(), label.rect.y(),
                     label.rect.width(), label.rect.height());
        condenseToFit(*widget, widget->text(), label.room);
    }

    auto* ok = new QPushButton("&Ok", this);
    placeControl(*ok, idName(SaveScoreControl::Ok), 120, 150, 60, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SaveScoreDialog::confirm);

    auto* cancel = new QPushButton("&Cancel", this);
    placeControl(*cancel, idName(SaveScoreControl::Cancel), 185, 150, 60, 30);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ScoreEntryTexts SaveScoreDialog::typedTexts() const {
    ScoreEntryTexts texts;
    texts.date = date_->text().toStdString();
    texts.kind = kind_->currentText().toStdString();
    texts.correct = correct_->text().toStdString();
    texts.problems = problems_->text().toStdString();
    return texts;
}

void SaveScoreDialog::confirm() {
    saveScoreEntry(student_, typedTexts());
    accept();
}

void showSaveScoreDialog(QWidget* owner, StudentRecord& student, const std::string& todayText) {
    SaveScoreDialog dialog(student, todayText, owner);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}
