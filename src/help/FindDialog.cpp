#include "help/FindDialog.h"

#include "help/HelpSearch.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString idName(FindDialog::ControlId id) {
    return QString::number(static_cast<int>(id));
}

} // namespace

FindDialog::FindDialog(QWidget* owner) : QDialog(owner) {
    setWindowTitle("Text to Find");
    setObjectName("findDialog");
    setFixedSize(250, 110);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    auto* prompt = new QLabel("Enter text: ", this);
    prompt->setObjectName("enterTextLabel");
    prompt->setGeometry(5, 10, 70, 15);

    findTextBox = new QLineEdit(this);
    findTextBox->setObjectName(idName(ControlId::FindTextBox));
    findTextBox->setAccessibleName("Text to find");
    findTextBox->setGeometry(75, 10, 160, 20);

    wholeWordBox = new QCheckBox("Whole word", this);
    wholeWordBox->setObjectName(idName(ControlId::WholeWordBox));
    wholeWordBox->setGeometry(10, 45, 100, 15);
    wholeWordBox->setChecked(true);

    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName(idName(ControlId::Ok));
    ok->setGeometry(140, 70, 60, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    findTextBox->setFocus();
}

FindDialog::Answer FindDialog::ask(QWidget* owner) {
    FindDialog dialog(owner);
    Answer answer;
    if (dialog.exec() == QDialog::Accepted) {
        answer.confirmed = true;
        answer.wholeWord = dialog.wholeWordBox->isChecked();
        answer.text = trimBlanks(dialog.findTextBox->text().toStdString());
    }
    return answer;
}
