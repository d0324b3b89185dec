#include "report/ConfigureDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "common/TextFit.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

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
    const ConfigureTexts texts = configureTexts(student_);
    addSub_ = createSection({"Add and Sub", 10, 25, ConfigureControl::AddSubPerMin,
                             ConfigureControl::AddSubLow, ConfigureControl::AddSubHigh,
                             texts.addSubPerMin, texts.addSubLow, texts.addSubHigh});
    mulDiv_ = createSection({"Mult and Div", 90, 20, ConfigureControl::MulDivPerMin,
                             ConfigureControl::MulDivLow, ConfigureControl::MulDivHigh,
                             texts.mulDivPerMin, texts.mulDivLow, texts.mulDivHigh});
    createFolderAndButtons(dataFolderText);
}

ConfigureDialog::SectionBoxes ConfigureDialog::createSection(const Section& section) {
    const int y = section.top;
    const QString prefix = QString::fromLatin1(section.name);
    addFittedLabel(section.name, {10, y, 200, 20});
    addFittedLabel("Number of problems per min:", {20, y + 20, 190, 20}, perMinLabelRoom);
    addFittedLabel("Number Range to work with:", {20, y + 40, 190, 20}, rangeLabelRoom);
    SectionBoxes boxes;
    boxes.perMin = addNumberBox(section.perMinId, section.perMinText,
                                prefix + " problems per minute", {200, y + 20, 40, 20});
    boxes.low = addNumberBox(section.lowId, section.lowText, prefix + " lowest number",
                             {190, y + 40, 30, 20});
    addFittedLabel("thru", {225, y + 40, section.thruWidth, 20});
    boxes.high = addNumberBox(section.highId, section.highText, prefix + " highest number",
                              {250, y + 40, 30, 20});
    return boxes;
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
                                         const QString& accessible, QRect rect) {
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
    texts.addSubPerMin = addSub_.perMin->text().toStdString();
    texts.addSubLow = addSub_.low->text().toStdString();
    texts.addSubHigh = addSub_.high->text().toStdString();
    texts.mulDivPerMin = mulDiv_.perMin->text().toStdString();
    texts.mulDivLow = mulDiv_.low->text().toStdString();
    texts.mulDivHigh = mulDiv_.high->text().toStdString();
    return texts;
}

// A value that cannot be stored is refused with a message; the dialog stays open with the
// box at fault selected.
void ConfigureDialog::confirm() {
    const ConfigureTexts texts = typedTexts();
    const ConfigureProblem problem = configureProblem(texts);
    if (problem.box >= 0) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(problem.message));
        QLineEdit* boxes[] = {addSub_.perMin, addSub_.low, addSub_.high,
                              mulDiv_.perMin, mulDiv_.low, mulDiv_.high};
        boxes[problem.box]->setFocus();
        boxes[problem.box]->selectAll();
        return;
    }
    applyConfigure(student_, texts);
    accept();
}

void showConfigureDialog(QWidget* owner, StudentRecord& student,
                         const std::string& dataFolderText) {
    ConfigureDialog dialog(student, dataFolderText, owner);
    runCentredWindowModal(dialog);
}
