// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/FindDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "help/HelpSearch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace {
constexpr std::array<ControlRow, 4> controls = {{
    {ControlKind::MiddleLabel, "enterTextLabel", QT_TRANSLATE_NOOP("FindDialog", "Enter text: "),
     QRect(5, 10, 70, 15)},
    {ControlKind::LineEdit, "9999", QT_TRANSLATE_NOOP("FindDialog", "Text to find"),
     QRect(75, 10, 160, 20)},
    {ControlKind::CheckBox, "9998", QT_TRANSLATE_NOOP("FindDialog", "Whole word"),
     QRect(10, 45, 100, 15)},
    {ControlKind::Button, "1", QT_TRANSLATE_NOOP("FindDialog", "Ok"), QRect(140, 70, 60, 30)},
}};
} // namespace

std::span<const ControlRow> FindDialog::controls() {
    return ::controls;
}

FindDialog::FindDialog(QWidget* owner) : QDialog(owner) {
    setObjectName("findDialog");
    setUpDialogFrame(*this, tr("Text to Find"), 250, 110);
    addControls(this, "FindDialog", ::controls);
    findTextBox = findChild<QLineEdit*>("9999");
    wholeWordBox = findChild<QCheckBox*>("9998");
    wholeWordBox->setChecked(true);
    auto* ok = findChild<QPushButton*>("1");
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
