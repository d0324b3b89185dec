// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/FakePrintDevice.h"
#include "print/cTPrint.h"

#include <gtest/gtest.h>

namespace {

using Events = QStringList;

class Job : public ::testing::Test {
protected:
    FakePrintDevice device;
    cTPrint printer{device};
};

// The default printer is trimmed and attached by the first call that needs it, once.
TEST_F(Job, DefaultPrinterIsTrimmedAndAttachedOnceWhenNeeded) {
    device.systemDefaultPrinter = "  Office Laser  ";
    EXPECT_DOUBLE_EQ(printer.TextWidth("abc"), 0.3);
    printer.SetFont("Courier New", 12);
    EXPECT_EQ(device.events, (Events{"attach Office Laser"}));
    EXPECT_EQ(printer.AttachDefaultPrinter(), "Office Laser");
}

// More than one copy is preset in the dialog and forced into the job when the driver has
// a copies field; one copy leaves the count to the dialog; a cancelled dialog attaches nothing.
TEST(Copies, PresetInTheDialogAndForcedIntoTheJob) {
    const struct {
        int copies;
        bool fieldDeclared;
        QString answer;
        int jobCopies;
    } cases[] = {
        {3, true, "Hall", 3}, {1, true, "Hall", 0}, {4, false, "Hall", 0}, {3, true, "", 0}};
    for (const auto& c : cases) {
        FakePrintDevice device;
        device.dialogAnswer = c.answer;
        device.copiesFieldDeclared = c.fieldDeclared;
        cTPrint printer(device);
        printer.SetCopies(c.copies);
        EXPECT_EQ(printer.ChoosePrinter(), c.answer);
        EXPECT_EQ(device.attachedPrinter, c.answer);
        EXPECT_EQ(device.dialogCopies, c.copies);
        EXPECT_EQ(device.jobCopies, c.jobCopies) << c.copies;
    }
}

// Duplex needs a chosen printer whose driver declares it; setting it selects the font again.
TEST(Duplex, OnlyWhenDeclaredAndAfterAPrinterChoice) {
    const struct {
        bool declared;
        const char* answer; // none: no printer chosen; "": the choice cancelled
        int canDuplex, modeSet;
        std::size_t fontsSelected;
    } cases[] = {{false, "Hall", 0, 0, 1},
                 {true, nullptr, 0, 0, 0},
                 {true, "", 0, 0, 0},
                 {true, "Hall", 1, 2, 2}};
    for (const auto& c : cases) {
        FakePrintDevice device;
        device.duplexDeclared = c.declared;
        device.dialogAnswer = c.answer;
        cTPrint printer(device);
        if (c.answer != nullptr) {
            printer.ChoosePrinter();
        }
        if (c.fontsSelected > 0) {
            printer.SetFont("Courier New", 12);
        }
        EXPECT_EQ(printer.CanDuplex(), c.canDuplex);
        printer.SetDuplex(0); // no change: the font is not selected again
        printer.SetDuplex(2);
        EXPECT_EQ(device.duplexMode, c.modeSet);
        EXPECT_EQ(device.selectedFonts.size(), c.fontsSelected);
    }
}

// A one-page job: what reaches the device (the name cut), and the errors shown when it fails.
TEST(Document, LifecycleAndErrors) {
    const QString name = "Math Test" + QString(55, u'.'); // cut to 63 characters
    const Events plain = {"begin document " + name.left(63), "begin page", "end page",
                          "end document", "release"};
    const struct {
        bool withFont, documentFails, pagesFail;
        Events events, errors;
    } cases[] = {
        {true, false, false, plain.mid(0, 4) + Events{"restore font", "release"}, {}},
        {false, false, false, plain, {}},
        {false, true, false, plain, {"Document printing error", "Page printing error"}},
        {false, false, true, plain, {"Page printing error"}},
    };
    for (const auto& c : cases) {
        FakePrintDevice device;
        device.documentFails = c.documentFails;
        device.pagesFail = c.pagesFail;
        cTPrint printer(device);
        printer.ChoosePrinter();
        if (c.withFont) {
            printer.SetFont("Courier New", 12);
        }
        printer.BeginDocument(name);
        printer.BeginPage();
        printer.FinishPage();
        printer.FinishDocument();
        EXPECT_EQ(device.events, c.events);
        EXPECT_EQ(device.errors, c.errors);
    }
}

} // namespace
