// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ConfigureDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "common/TextSize.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace {
int idOf(ConfigureControl id) {
    return static_cast<int>(id);
}

// The text of each number box, 311 to 316.
constexpr std::array<std::string ConfigureTexts::*, 6> boxFields = {
    &ConfigureTexts::addSubPerMin, &ConfigureTexts::addSubLow, &ConfigureTexts::addSubHigh,
    &ConfigureTexts::mulDivPerMin, &ConfigureTexts::mulDivLow, &ConfigureTexts::mulDivHigh};

QRect rectOf(int id) {
    for (const ConfigurePlace& place : configureLayout) {
        if (place.id == id) {
            return place.rect;
        }
    }
    return {};
}
} // namespace

ConfigureDialog::ConfigureDialog(StudentRecord& student, const std::string& dataFolderText,
                                 QWidget* owner, AnswerLimitChoice* limit, int* textPercent)
    : QDialog(owner), student_(student), limit_(limit), textPercent_(textPercent) {
    setUpDialogFrame(*this, tr("Configure Program"), 400, 300);
    const ConfigureTexts texts = configureTexts(student_);
    for (const ConfigurePlace& place : configureLayout) {
        createControl(place, texts, dataFolderText);
    }
    addOkCancelButtons(*this, rectOf(idOf(ConfigureControl::Ok)),
                       rectOf(idOf(ConfigureControl::Cancel)), [this]() { confirm(); });
}

// A label named after its text, a number box, or the read-only data folder; the buttons come
// last, both at once.
void ConfigureDialog::createControl(const ConfigurePlace& place, const ConfigureTexts& texts,
                                    const std::string& dataFolderText) {
    const int firstBox = idOf(ConfigureControl::AddSubPerMin);
    if (place.id == 0) {
        QRect room = place.rect;
        if (place.room > 0) {
            room.setWidth(place.room);
        }
        addLabel(this, QString("label %1").arg(place.text), tr(place.text), room,
                 Qt::AlignLeft | Qt::AlignVCenter);
    } else if (place.id >= firstBox && place.id < firstBox + 6) {
        const auto index = static_cast<std::size_t>(place.id - firstBox);
        boxes_[index] = addLineEdit(this, place.id, tr(place.text), place.rect,
                                    QString::fromStdString(texts.*boxFields[index]));
        boxes_[index]->setCursorPosition(0);
    } else if (place.id == idOf(ConfigureControl::AnswerLimit)) {
        limitBox_ = createLimitBox(place);
    } else if (place.id == idOf(ConfigureControl::TextSize)) {
        textSizeBox_ = createTextSizeBox(place);
    } else if (place.id == idOf(ConfigureControl::DataFolder)) {
        auto* folder = addLineEdit(this, place.id, tr(place.text), place.rect,
                                   QString::fromStdString(dataFolderText));
        folder->setReadOnly(true);
        folder->setCursorPosition(0);
    }
}

// The limits to choose from, the current one selected.
QComboBox* ConfigureDialog::createLimitBox(const ConfigurePlace& place) {
    auto* box = new QComboBox(this);
    placeControl(box, place.id, place.rect);
    box->setAccessibleName(tr(place.text));
    const std::uint32_t current = limit_ != nullptr ? limit_->chosenMs : 0;
    for (const std::uint32_t milliseconds : answerLimitChoicesMs(current)) {
        box->addItem(answerLimitText(milliseconds), QVariant::fromValue(milliseconds));
    }
    box->setCurrentIndex(box->findData(QVariant::fromValue(current)));
    box->setEnabled(limit_ != nullptr);
    return box;
}

// The text sizes a grown-up can choose, the current one selected.
QComboBox* ConfigureDialog::createTextSizeBox(const ConfigurePlace& place) {
    static const char* const names[] = {QT_TR_NOOP("Normal"), QT_TR_NOOP("Large"),
                                        QT_TR_NOOP("Larger"), QT_TR_NOOP("Largest")};
    auto* box = new QComboBox(this);
    placeControl(box, place.id, place.rect);
    box->setAccessibleName(tr(place.text));
    const QList<int> choices = textSizeChoices();
    for (qsizetype i = 0; i < choices.size() && i < qsizetype(std::size(names)); ++i) {
        box->addItem(tr(names[i]), choices[i]);
    }
    box->setCurrentIndex(
        std::max(0, box->findData(textPercent_ != nullptr ? *textPercent_ : defaultTextPercent)));
    box->setEnabled(textPercent_ != nullptr);
    return box;
}

ConfigureTexts ConfigureDialog::typedTexts() const {
    ConfigureTexts texts;
    for (std::size_t i = 0; i < boxFields.size(); ++i) {
        texts.*boxFields[i] = boxes_[i]->text().toStdString();
    }
    return texts;
}

// A value that cannot be stored is refused with a message; the dialog stays open with the
// box at fault selected.
void ConfigureDialog::confirm() {
    const ConfigureTexts texts = typedTexts();
    const ConfigureProblem problem = configureProblem(texts);
    if (problem.box >= 0) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(problem.message));
        QLineEdit* box = boxes_[static_cast<std::size_t>(problem.box)];
        box->setFocus();
        box->selectAll();
        return;
    }
    applyConfigure(student_, texts);
    if (limit_ != nullptr) {
        const auto chosen = limitBox_->currentData().value<std::uint32_t>();
        limit_->changed = chosen != limit_->chosenMs;
        limit_->chosenMs = chosen;
    }
    if (textPercent_ != nullptr) {
        *textPercent_ = textSizeBox_->currentData().toInt();
    }
    accept();
}

void showConfigureDialog(QWidget* owner, StudentRecord& student, const std::string& dataFolderText,
                         AnswerLimitChoice* limit, int* textPercent) {
    if (limit != nullptr) {
        limit->changed = false;
    }
    ConfigureDialog dialog(student, dataFolderText, owner, limit, textPercent);
    runCentredWindowModal(dialog);
}
