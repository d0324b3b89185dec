// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/GreetingDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "common/ScreenReaderNotice.h"
#include "common/Version.h"
#include "records/StudentFolder.h"
#include "records/StudentName.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace {
constexpr int clientWidth = 300;
constexpr int clientHeight = 370;
constexpr Qt::Alignment labelAlignment = Qt::AlignLeft | Qt::AlignVCenter;

// Enter presses Ok (the default button) even when another button has the focus.
QPushButton* addPlainButton(QWidget* parent, int id, const QString& text, const QRect& rect) {
    QPushButton* button = addButton(parent, id, text, rect);
    button->setAutoDefault(false);
    return button;
}

std::vector<std::string> sortedNames(std::vector<std::string> names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return displayName(a).compare(displayName(b), Qt::CaseInsensitive) < 0;
    });
    return names;
}

// Each listed child keeps the bytes of its file's name, whatever its encoding.
constexpr int nameBytesRole = Qt::UserRole;

std::string nameBytesOf(const QListWidgetItem& item) {
    return item.data(nameBytesRole).toByteArray().toStdString();
}
} // namespace

GreetingDialog::GreetingDialog(QWidget* owner, const std::vector<std::string>& studentNames,
                               std::function<void()> showHelp)
    : QDialog(owner), showHelp_(std::move(showHelp)) {
    setUpDialogFrame(*this, tr("Tallyburrow - Ver %1").arg(QString::fromLatin1(appVersionText)),
                     clientWidth, clientHeight);
    buildControls();
    for (const std::string& name : sortedNames(studentNames)) {
        auto* item = new QListWidgetItem(displayName(name), nameList_);
        item->setData(nameBytesRole, QByteArray::fromStdString(name));
    }
    if (nameList_->count() > 0) {
        nameList_->setCurrentRow(0);
        nameList_->setFocus();
        // A screen reader reads the list on arrival but not its chosen name.
        ScreenReaderNotice::of(this)->say(
            {tr("%1 is selected").arg(nameList_->currentItem()->text())});
    } else {
        nameBox_->setFocus();
    }
    okButton_->setDefault(true);
}

void GreetingDialog::buildControls() {
    addLabel(this, "greetingLabel", tr("Greetings - Glad you're here"), QRect(10, 15, 200, 20),
             labelAlignment);
    addLabel(this, "askNameLabel", tr("Please give me your name..."), QRect(20, 35, 200, 20),
             labelAlignment);
    nameList_ = new QListWidget(this);
    placeControl(nameList_, NameList, QRect(20, 60, 250, 80));
    nameList_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    nameList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    nameList_->setAccessibleName(tr("Please give me your name..."));
    QLabel* newKidLabel = addLabel(this, "newKidLabel", tr("I am a new kid here, and my name is:"),
                                   QRect(20, 155, 250, 20), labelAlignment);
    nameBox_ = new QLineEdit(this);
    placeControl(nameBox_, NameBox, QRect(50, 180, 230, 25));
    newKidLabel->setBuddy(nameBox_);
    auto* rule = new QFrame(this);
    placeControl(rule, "rule", QRect(10, 230, 280, 1));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    // Wrapped over its lines rather than fitted.
    auto* hint = new QLabel(tr("Click Ok and then one of the three mode buttons in the top "
                               "toolbar... [Learn-Drill-Test]"),
                            this);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeControl(hint, "hintLabel", QRect(20, 250, 260, 60));
    auto* helpButton = addPlainButton(this, HelpButton, tr("&Help"), QRect(20, 320, 70, 30));
    okButton_ = addPlainButton(this, OkButton, tr("&Ok"), QRect(150, 320, 70, 30));
    auto* cancelButton = addPlainButton(this, CancelButton, tr("&Cancel"), QRect(220, 320, 70, 30));

    connect(okButton_, &QPushButton::clicked, this, &GreetingDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, &GreetingDialog::openHelp);
    connect(nameList_, &QListWidget::itemDoubleClicked, this, &GreetingDialog::confirm);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &GreetingDialog::openHelp);
}

// The listed child whose shown name is the text, if any.
const QListWidgetItem* GreetingDialog::listedAs(const QString& text) const {
    const auto found = nameList_->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
}

void GreetingDialog::confirm() {
    const QString typed = nameBox_->text();
    const QListWidgetItem* current = nameList_->currentItem();
    const QListWidgetItem* listed =
        typed.isEmpty() ? (current != nullptr && current->isSelected() ? current : nullptr)
                        : listedAs(typed);
    if (listed != nullptr) {
        confirmedName_ = nameBytesOf(*listed); // the child's own file, by its bytes
        accept();
        return;
    }
    const std::string name = studentNameFromInput(typed.toStdString());
    if (name.empty()) {
        nameBox_->setFocus();
        return;
    }
    const std::string problem = studentNameProblem(name);
    if (!problem.empty()) {
        QMessageBox::warning(
            this, windowTitle(),
            tr("%1\nPlease type your name again.").arg(QString::fromStdString(problem)));
        nameBox_->setFocus();
        nameBox_->selectAll();
        return;
    }
    confirmedName_ = name;
    accept();
}

void GreetingDialog::openHelp() {
    okButton_->setFocus();
    if (showHelp_) {
        showHelp_();
    }
}
