// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TestOptionsDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "dialogs/ControlIds.h"
#include "dialogs/DialogTables.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>

#include <array>

namespace {
constexpr std::array<ControlRow, 3> controls = {{
    {ControlKind::Button, "221", QT_TRANSLATE_NOOP("TestOptionsDialog", "Take test on computer"),
     QRect(20, 20, 150, 25)},
    {ControlKind::Button, "222", QT_TRANSLATE_NOOP("TestOptionsDialog", "Print test pages"),
     QRect(20, 60, 150, 25)},
    {ControlKind::Button, "223", QT_TRANSLATE_NOOP("TestOptionsDialog", "Report printed test"),
     QRect(20, 100, 150, 25)},
}};

class TestOptionsDialog : public QDialog {
public:
    explicit TestOptionsDialog(QWidget* owner) : QDialog(owner) {
        setUpDialogFrame(*this, QCoreApplication::translate("TestOptionsDialog", "Test Options"),
                         280, 160);
        addControls(this, "TestOptionsDialog", controls);
        connectChoice(TestOptionsControlId::TestOnComputer, TestOptionsChoice::TestOnComputer);
        connectChoice(TestOptionsControlId::PrintTestPages, TestOptionsChoice::PrintTestPages);
        connectChoice(TestOptionsControlId::ReportPrintedTest,
                      TestOptionsChoice::ReportPrintedTest);
    }

    TestOptionsChoice choice() const { return choice_; }

private:
    void connectChoice(TestOptionsControlId id, TestOptionsChoice choice) {
        auto* button = findChild<QPushButton*>(controlName(static_cast<int>(id)));
        connect(button, &QPushButton::clicked, this, [this, choice]() {
            choice_ = choice;
            accept();
        });
    }

    TestOptionsChoice choice_ = TestOptionsChoice::Closed;
};
} // namespace

std::span<const ControlRow> testOptionsControls() {
    return controls;
}

TestOptionsChoice askTestOptions(QWidget* owner) {
    TestOptionsDialog dialog(owner);
    runCentredWindowModal(dialog);
    return dialog.choice();
}
