#include "help/FindDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "help/HelpSearch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

int idOf(FindDialog::ControlId id) {
    return static_cast<int>(id);
}

} // namespace

FindDialog::FindDialog(QWidget* owner) : QDialog(owner) {
    setObjectName("findDialog");
    setUpDialogFrame(*this, "Text to Find", 250, 110);

    addLabel(this, "enterTextLabel", "Enter text: ", QRect(5, 10, 70, 15),
             Qt::AlignLeft | Qt::AlignVCenter);
    findTextBox =
        addLineEdit(this, idOf(ControlId::FindTextBox), "Text to find", QRect(75, 10, 160, 20));
    wholeWordBox =
        addCheckBox(this, idOf(ControlId::WholeWordBox), "Whole word", QRect(10, 45, 100, 15));
    wholeWordBox->setChecked(true);

    auto* ok = addButton(this, idOf(ControlId::Ok), "Ok", QRect(140, 70, 60, 30));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    findTextBox->setFocus();
}

FindDialog::Answer FindDialog::ask(QWidget* owner) {
    FindDialog dialog(owner);
    Answer answer;
    if (runCentredWindowModal(dialog) == QDialog::Accepted) {
        answer.confirmed = true;
        answer.wholeWord = dialog.wholeWordBox->isChecked();
        answer.text = trimBlanks(dialog.findTextBox->text().toStdString());
    }
    return answer;
}
