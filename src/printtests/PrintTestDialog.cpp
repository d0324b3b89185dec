#include "printtests/PrintTestDialog.h"

#include "common/NumberText.h"
#include "print/QtPrintDevice.h"
#include "print/cTPrint.h"
#include "printtests/TestPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace {
const QStringList problemTypeNames = {"Add", "Sub", "Mul", "Div", "Mixed", "Add/Sub", "Mul/Div"};
constexpr int comboHeight = 22; // the closed box; the list opens below it

void addLabel(QWidget* parent, const QString& text, const QRect& place, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
}

void placeControl(QWidget* control, int id, const QRect& place) {
    control->setObjectName(QString::number(id));
    control->setGeometry(place);
}

void centreOnScreen(QWidget* window, QWidget* owner) {
    QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}
} // namespace

PrintTestDialog::PrintTestDialog(QWidget* owner, Settings& settings, PrintTestAction print)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      settings(settings), print(std::move(print)) {
    setWindowTitle("Print Test Pages");
    setFixedSize(300, 220);
    buildControls();
}

void PrintTestDialog::buildControls() {
    testId =
        new QLineEdit(QString::fromStdString(numberWithSign(settings.highestTestId + 1LL)), this);
    placeControl(testId, testIdBox, {20, 20, 40, 20});
    testId->setAccessibleName("Test ID");
    addLabel(this, "Test ID", {65, 20, 120, 15}, "testIdLabel");

    copies = new QLineEdit(this);
    placeControl(copies, copiesBox, {20, 50, 40, 20});
    copies->setAccessibleName("Number of copies");
    addLabel(this, "Number of copies", {65, 50, 120, 15}, "copiesLabel");

    problemTypes = new QComboBox(this);
    problemTypes->setEditable(true);
    problemTypes->setInsertPolicy(QComboBox::NoInsert);
    problemTypes->addItems(problemTypeNames);
    problemTypes->setCurrentIndex(0);
    problemTypes->setAccessibleName("Problem types");
    placeControl(problemTypes, problemTypesBox, {20, 80, 75, comboHeight});
    addLabel(this, "Problem types", {105, 80, 120, 15}, "problemTypesLabel");

    answers = new QCheckBox("Answers to last page printed", this);
    // Wider than laid out only when the default font needs it, so the text is never cut.
    const int answersWidth = std::clamp(answers->sizeHint().width(), 190, 260);
    placeControl(answers, answersCheck, {20, 120, answersWidth, 15});

    auto* ok = new QPushButton("&Ok", this);
    placeControl(ok, okButton, {120, 170, 60, 30});
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    placeControl(cancel, cancelButton, {185, 170, 60, 30});

    connect(ok, &QPushButton::clicked, this, &PrintTestDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

OperationKind PrintTestDialog::chosenKind() const {
    const QString typed = problemTypes->currentText().trimmed();
    for (int item = 0; item < problemTypeNames.size(); ++item) {
        if (typed.compare(problemTypeNames[item], Qt::CaseInsensitive) == 0) {
            return static_cast<OperationKind>(item + 1);
        }
    }
    return OperationKind::None;
}

void PrintTestDialog::confirm() {
    const OperationKind kind = chosenKind();
    if (kind == OperationKind::None) {
        QMessageBox::information(this, "Print Test Pages",
                                 "\"" + problemTypes->currentText() +
                                     "\" is not a problem type.\nChoose one from the list.");
        problemTypes->setFocus();
        return;
    }
    const int testNumber = textToNumber(testId->text().toStdString());
    // Raised before printing, so the number stays used even if printing is cancelled.
    if (settings.highestTestId < testNumber) {
        settings.highestTestId = testNumber;
        settings.settingsDirty = true;
    }
    settings.testIdBeingPrinted = testNumber;
    const int copyCount = textToNumber(copies->text().toStdString());
    print(testNumber, copyCount, answers->isChecked(), kind);
    accept();
}

void showPrintTestDialog(QWidget* owner, Settings& settings, const PrintTestAction& print) {
    PrintTestDialog dialog(owner, settings, print);
    centreOnScreen(&dialog, owner);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}

void showPrintTestDialog(QWidget* owner, Settings& settings, const StudentRecord& student) {
    showPrintTestDialog(
        owner, settings,
        [&student](int testNumber, int copies, bool withAnswers, OperationKind kind) {
            QtPrintDevice device;
            cTPrint printer(device);
            RandomGenerator random;
            printTestPage(printer, testNumber, copies, withAnswers, kind, student, random);
        });
}
