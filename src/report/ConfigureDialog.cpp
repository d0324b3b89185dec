#include "report/ConfigureDialog.h"

#include "report/DialogFrame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString idName(ConfigureControl id) {
    return QString::number(static_cast<int>(id));
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
    setWindowTitle("Configure Program");
    applyDialogFrame(*this, QSize(400, 300));
    createAddSubSection();
    createMulDivSection();
    createFolderAndButtons(dataFolderText);
}

void ConfigureDialog::createAddSubSection() {
    const ConfigureTexts texts = configureTexts(student_);
    addLabel("Add and Sub", {10, 10, 200, 20});
    addLabel("Number of problems per min:", {20, 30, 190, 20}, perMinLabelRoom);
    addLabel("Number Range to work with:", {20, 50, 190, 20}, rangeLabelRoom);
    addSubPerMin_ = addNumberBox(ConfigureControl::AddSubPerMin, texts.addSubPerMin,
                                 "Add and Sub problems per minute", {200, 30, 40, 20});
    addSubLow_ = addNumberBox(ConfigureControl::AddSubLow, texts.addSubLow,
                              "Add and Sub lowest number", {190, 50, 30, 20});
    addLabel("thru", {225, 50, 25, 20});
    addSubHigh_ = addNumberBox(ConfigureControl::AddSubHigh, texts.addSubHigh,
                               "Add and Sub highest number", {250, 50, 30, 20});
}

void ConfigureDialog::createMulDivSection() {
    const ConfigureTexts texts = configureTexts(student_);
    addLabel("Mult and Div", {10, 90, 200, 20});
    addLabel("Number of problems per min:", {20, 110, 190, 20}, perMinLabelRoom);
    addLabel("Number Range to work with:", {20, 130, 190, 20}, rangeLabelRoom);
    mulDivPerMin_ = addNumberBox(ConfigureControl::MulDivPerMin, texts.mulDivPerMin,
                                 "Mult and Div problems per minute", {200, 110, 40, 20});
    mulDivLow_ = addNumberBox(ConfigureControl::MulDivLow, texts.mulDivLow,
                              "Mult and Div lowest number", {190, 130, 30, 20});
    addLabel("thru", {225, 130, 20, 20});
    mulDivHigh_ = addNumberBox(ConfigureControl::MulDivHigh, texts.mulDivHigh,
                               "Mult and Div highest number", {250, 130, 30, 20});
}

void ConfigureDialog::createFolderAndButtons(const std::string& dataFolderText) {
    addLabel("Data Folder:", {10, 200, 80, 30}, folderLabelRoom);
    auto* folder = new QLineEdit(QString::fromStdString(dataFolderText), this);
    placeControl(*folder, idName(ConfigureControl::DataFolder), 90, 200, 300, 25);
    folder->setReadOnly(true);
    folder->setAccessibleName("Data Folder");
    folder->setCursorPosition(0);

    auto* ok = new QPushButton("&Ok", this);
    placeControl(*ok, idName(ConfigureControl::Ok), 260, 260, 60, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ConfigureDialog::confirm);

    auto* cancel = new QPushButton("&Cancel", this);
    placeControl(*cancel, idName(ConfigureControl::Cancel), 330, 260, 60, 30);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* ConfigureDialog::addNumberBox(ConfigureControl id, const std::string& text,
                                         const char* accessible, QRect rect) {
    auto* box = new QLineEdit(QString::fromStdString(text), this);
    placeControl(*box, idName(id), rect.x(), rect.y(), rect.width(), rect.height());
    box->setAccessibleName(accessible);
    box->setCursorPosition(0);
    return box;
}

void ConfigureDialog::addLabel(const char* text, QRect rect, int visibleWidth) {
    auto* label = new QLabel(text, this);
    placeControl(*label, QString("label %1").arg(text), rect.x(), rect.y(), rect.width(),
                 rect.height());
    condenseToFit(*label, label->text(), visibleWidth > 0 ? visibleWidth : rect.width());
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
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}
