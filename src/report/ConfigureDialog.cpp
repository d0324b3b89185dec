#include "report/ConfigureDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "common/TextFit.h"

#include <QLabel>
#include <QLineEdit>

namespace {
int idOf(ConfigureControl id) {
    return static_cast<int>(id);
}

// Room a label has before the box to its right covers it, less a small gap.
constexpr int perMinLabelRoom = 200 - 20 - 2;
constexpr int rangeLabelRoom = 190 - 20 - 2;
constexpr int folderLabelRoom = 90 - 10 - 2;
} // namespace

// Controls are created in the order of the layout, which is also their Tab order; a label
// that reaches under the box to its right is covered by it.
ConfigureDialog::ConfigureDialog(StudentRecord& student, const std::string& dataFolderText,
                                 QWidget* owner)
    : QDialog(owner), student_(student) {
    setUpDialogFrame(*this, "Configure Program", 400, 300);
    createAddSubSection();
    createMulDivSection();
    createFolderAndButtons(dataFolderText);
}

void ConfigureDialog::createAddSubSection() {
    const ConfigureTexts texts = configureTexts(student_);
    addFittedLabel("Add and Sub", {10, 10, 200, 20});
    addFittedLabel("Number of problems per min:", {20, 30, 190, 20}, perMinLabelRoom);
    addFittedLabel("Number Range to work with:", {20, 50, 190, 20}, rangeLabelRoom);
    addSubPerMin_ = addNumberBox(ConfigureControl::AddSubPerMin, texts.addSubPerMin,
                                 "Add and Sub problems per minute", {200, 30, 40, 20});
    addSubLow_ = addNumberBox(ConfigureControl::AddSubLow, texts.addSubLow,
                              "Add and Sub lowest number", {190, 50, 30, 20});
    addFittedLabel("thru", {225, 50, 25, 20});
    addSubHigh_ = addNumberBox(ConfigureControl::AddSubHigh, texts.addSubHigh,
                               "Add and Sub highest number", {250, 50, 30, 20});
}

void ConfigureDialog::createMulDivSection() {
    const ConfigureTexts texts = configureTexts(student_);
    addFittedLabel("Mult and Div", {10, 90, 200, 20});
    addFittedLabel("Number of problems per min:", {20, 110, 190, 20}, perMinLabelRoom);
    addFittedLabel("Number Range to work with:", {20, 130, 190, 20}, rangeLabelRoom);
    mulDivPerMin_ = addNumberBox(ConfigureControl::MulDivPerMin, texts.mulDivPerMin,
                                 "Mult and Div problems per minute", {200, 110, 40, 20});
    mulDivLow_ = addNumberBox(ConfigureControl::MulDivLow, texts.mulDivLow,
                              "Mult and Div lowest number", {190, 130, 30, 20});
    addFittedLabel("thru", {225, 130, 20, 20});
    mulDivHigh_ = addNumberBox(ConfigureControl::MulDivHigh, texts.mulDivHigh,
                               "Mult and Div highest number", {250, 130, 30, 20});
}

void ConfigureDialog::createFolderAndButtons(const std::string& dataFolderText) {
    addFittedLabel("Data Folder:", {10, 200, 80, 30}, folderLabelRoom);
    auto* folder = addLineEdit(this, idOf(ConfigureControl::DataFolder), "Data Folder",
                               QRect(90, 200, 300, 25), QString::fromStdString(dataFolderText));
    folder->setReadOnly(true);
    folder->setCursorPosition(0);
    addOkCancelButtons(*this, QRect(260, 260, 60, 30), QRect(330, 260, 60, 30),
                       [this]() { confirm(); });
}

QLineEdit* ConfigureDialog::addNumberBox(ConfigureControl id, const std::string& text,
                                         const char* accessible, QRect rect) {
    auto* box = addLineEdit(this, idOf(id), accessible, rect, QString::fromStdString(text));
    box->setCursorPosition(0);
    return box;
}

// A label named after its text; where a box covers its end, its text is fitted into the room
// before the box.
void ConfigureDialog::addFittedLabel(const char* text, QRect rect, int room) {
    QLabel* label =
        addLabel(this, QString("label %1").arg(text), text, rect, Qt::AlignLeft | Qt::AlignVCenter);
    if (room > 0) {
        fitText(label, room);
    }
}

ConfigureTexts ConfigureDialog::typedTexts() const {
    ConfigureTexts texts;
    texts.addSubPerMin = addSubPerMin_->text().toStdString();
    texts.addSubLow = addSubLow_->text().toStdString();
    texts.addSubHigh = addSubHigh_->text().toStdString();
    texts.mulDivPerMin = mulDivPerMin_->text().toStdString();
    texts.mulDivLow = mulDivLow_->text().toStdString();
    texts.mulDivHigh = mulDivHigh_->text().toStdString();
    return texts;
}

void ConfigureDialog::confirm() {
    applyConfigure(student_, typedTexts());
    accept();
}

void showConfigureDialog(QWidget* owner, StudentRecord& student,
                         const std::string& dataFolderText) {
    ConfigureDialog dialog(student, dataFolderText, owner);
    runCentredWindowModal(dialog);
}
