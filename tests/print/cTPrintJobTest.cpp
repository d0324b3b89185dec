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

TEST_F(Job, PrinterChoiceDefaultPrinterIsTrimmedAttachedAndMeasured) {
    device.systemDefaultPrinter = "  Office Laser  ";
    EXPECT_EQ(printer.AttachDefaultPrinter(), "Office Laser");
    EXPECT_EQ(device.attachedPrinter, "Office Laser");
    double avgWidth = 0;
    double lineHeight = 0;
    printer.GetCharSize(avgWidth, lineHeight);
    EXPECT_DOUBLE_EQ(lineHeight, 0.1); // the device's own font: a 60-dot cell
}

TEST_F(Job, PrinterChoiceOperationsNeedingThePrinterAttachTheDefaultOnce) {
    printer.SetMargins(1, 1, 1, 1);
    printer.SetPosition(2, 2);
    EXPECT_TRUE(device.events.empty());
    EXPECT_DOUBLE_EQ(printer.TextWidth("abc"), 0.3);
    printer.SetFont("Courier New", 12);
    EXPECT_EQ(device.events, (Events{"attach Office Laser"}));
}

TEST_F(Job, PrinterChoiceCancelledDialogReturnsEmptyAndAttachesNothing) {
    device.dialogAnswer = "";
    EXPECT_EQ(printer.ChoosePrinter(), "");
    EXPECT_EQ(device.attachedPrinter, "");
    EXPECT_EQ(printer.CanDuplex(), 0);
    printer.AttachDefaultPrinter(); // also after a printer was attached
    EXPECT_EQ(printer.ChoosePrinter(), "");
}

// More than one copy is preset in the dialog and forced into the job when the driver has
// a copies field; one copy leaves the count to the dialog.
TEST(Copies, PresetInTheDialogAndForcedIntoTheJob) {
    const struct {
        int copies;
        bool fieldDeclared;
        int jobCopies;
    } cases[] = {{3, true, 3}, {1, true, 0}, {4, false, 0}};
    for (const auto& c : cases) {
        FakePrintDevice device;
        device.dialogAnswer = "Hall Printer";
        device.copiesFieldDeclared = c.fieldDeclared;
        cTPrint printer(device);
        printer.SetCopies(c.copies);
        EXPECT_EQ(printer.ChoosePrinter(), "Hall Printer");
        EXPECT_EQ(device.dialogCopies, c.copies);
        EXPECT_EQ(device.jobCopies, c.jobCopies) << c.copies;
    }
}

// Without a declared duplex, or before any printer choice, duplex is 0 and not set.
TEST(Duplex, UndeclaredOrUnchosenReportsZeroAndChangesNothing) {
    for (const bool declared : {false, true}) {
        FakePrintDevice device;
        device.duplexDeclared = declared;
        cTPrint printer(device);
        if (!declared) {
            printer.ChoosePrinter();
        }
        EXPECT_EQ(printer.CanDuplex(), 0);
        printer.SetDuplex(2);
        EXPECT_EQ(device.duplexMode, 0);
    }
}

TEST_F(Job, DuplexDeclaredDuplexIsSetAndTheFontSelectedAgain) {
    device.duplexDeclared = true;
    printer.ChoosePrinter();
    printer.SetFont("Courier New", 12);
    EXPECT_EQ(printer.CanDuplex(), 1);
    printer.SetDuplex(0);
    EXPECT_EQ(device.duplexMode, 0);
    printer.SetDuplex(2);
    EXPECT_EQ(device.duplexMode, 2);
    ASSERT_EQ(device.selectedFonts.size(), 2u);
    EXPECT_EQ(device.selectedFonts[1], device.selectedFonts[0]);
}

// A name is cut to 63 characters, a character beyond one UTF-16 unit kept whole.
TEST_F(Job, DocumentNameIsCutToSixtyThreeCharacters) {
    printer.BeginDocument(QString(70, 'n'));
    EXPECT_EQ(device.events.back(), "begin document " + QString(63, 'n'));
    const QString beyondOneUnit = QString::fromUcs4(U"\U0001F600"); // two UTF-16 units
    printer.BeginDocument(beyondOneUnit.repeated(64));
    EXPECT_EQ(device.events.back(), "begin document " + beyondOneUnit.repeated(63));
}

TEST_F(Job, DocumentLifecycleRestoresTheFontAndReleasesThePrinter) {
    printer.ChoosePrinter();
    printer.SetFont("Courier New", 12);
    printer.BeginDocument("Math Test");
    printer.BeginPage();
    printer.FinishPage();
    printer.FinishDocument();
    EXPECT_EQ(device.events, (Events{"begin document Math Test", "begin page", "end page",
                                     "end document", "restore font", "release"}));
    EXPECT_TRUE(device.errors.empty());
}

TEST_F(Job, DocumentWithoutAFontNothingIsRestored) {
    printer.ChoosePrinter();
    printer.BeginDocument("Help");
    printer.FinishDocument();
    EXPECT_EQ(device.events, (Events{"begin document Help", "end document", "release"}));
}

TEST_F(Job, DocumentFailingJobReportsOnceThenEveryPage) {
    device.documentFails = true;
    printer.BeginDocument("Math Test");
    for (int page = 0; page < 3; ++page) {
        printer.BeginPage();
        printer.PrintText("still drawn", 1, 1);
        printer.FinishPage();
    }
    printer.FinishDocument();
    EXPECT_EQ(device.errors, (Events{"Document printing error", "Page printing error",
                                     "Page printing error", "Page printing error"}));
}

TEST_F(Job, DocumentFailingPageReportsOnlyThePage) {
    device.pagesFail = true;
    printer.BeginDocument("Math Test");
    printer.BeginPage();
    EXPECT_EQ(device.errors, (Events{"Page printing error"}));
}

} // namespace
