#include "dialogs/TestOptionsDialog.h"

#include "common/DialogControls.h"
#include "common/DialogFrame.h"
#include "dialogs/ControlIds.h"

#include <QDialog>
#include <QPushButton>

namespace {
class TestOptionsDialog : public QDialog {
public:
    explicit TestOptionsDialog(QWidget* owner) : QDialog(owner) {
        setUpDialogFrame(*this, "Test Options", 280, 160);
        addChoice(TestOptionsControlId::TestOnComputer, "Take test on computer",
                  QRect(20, 20, 150, 25), TestOptionsChoice::TestOnComputer);
        addChoice(TestOptionsControlId::PrintTestPages, "Print test pages", QRect(20, 60, 150, 25),
                  TestOptionsChoice::PrintTestPages);
        addChoice(TestOptionsControlId::ReportPrintedTest, "Report printed test",
                  QRect(20, 100, 150, 25), TestOptionsChoice::ReportPrintedTest);
    }

    TestOptionsChoice choice() const { return choice_; }

private:
    void addChoice(TestOptionsControlId id, const QString& text, const QRect& rect,
                   TestOptionsChoice choice) {
        auto* button = addButton(this, static_cast<int>(id), text, rect);
        connect(button, &QPushButton::clicked, this, [this, choice]() {
            choice_ = choice;
            accept();
        });
    }

    TestOptionsChoice choice_ = TestOptionsChoice::Closed;
};
} // namespace

TestOptionsChoice askTestOptions(QWidget* owner) {
    TestOptionsDialog dialog(owner);
    runCentredWindowModal(dialog);
    return dialog.choice();
}
