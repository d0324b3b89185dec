#include "print/FakePrintDevice.h"
#include "print/cTPrint.h"

#include <gtest/gtest.h>

namespace {

using Events = std::vector<std::string>;

TEST(PrinterChoice, DefaultPrinterIsTrimmedAttachedAndMeasured) {
    FakePrintDevice device;
    device.systemDefaultPrinter = "  Office Laser  ";
    cTPrint printer(device);
    EXPECT_EQ(printer.AttachDefaultPrinter(), "Office Laser");
    EXPECT_EQ(device.attachedPrinter, "Office Laser");
    double avgWidth = 0;
    double lineHeight = 0;
    printer.GetCharSize(avgWidth, lineHeight);
    EXPECT_DOUBLE_EQ(lineHeight, 0.1); // the device's own font: a 60-dot cell
}

TEST(PrinterChoice, OperationsNeedingThePrinterAttachTheDefaultOnce) {
    FakePrintDevice device;
    cTPrint printer(device);
    printer.SetMargins(1, 1, 1, 1);
    printer.SetPosition(2, 2);
    EXPECT_TRUE(device.events.empty());
    EXPECT_DOUBLE_EQ(printer.TextWidth("abc"), 0.3);
    printer.SetFont("Courier New", 12);
    EXPECT_EQ(device.events, (Events{"attach Office Laser"}));
}

TEST(PrinterChoice, CancelledDialogReturnsEmptyAndAttachesNothing) {
    FakePrintDevice device;
    device.dialogAnswer = "";
    cTPrint printer(device);
    EXPECT_EQ(printer.ChoosePrinter(), "");
    EXPECT_EQ(device.attachedPrinter, "");
    EXPECT_EQ(printer.CanDuplex(), 0);
}

TEST(PrinterChoice, CancelAfterAnAttachedPrinterStillReturnsEmpty) {
    FakePrintDevice device;
    cTPrint printer(device);
    printer.AttachDefaultPrinter();
    device.dialogAnswer = "";
    EXPECT_EQ(printer.ChoosePrinter(), "");
}

TEST(Copies, MoreThanOneCopyIsPresetAndForcedIntoTheJob) {
    FakePrintDevice device;
    device.dialogAnswer = "Hall Printer";
    cTPrint printer(device);
    printer.SetCopies(3);
    EXPECT_EQ(printer.ChoosePrinter(), "Hall Printer");
    EXPECT_EQ(device.dialogCopies, 3);
    EXPECT_EQ(device.jobCopies, 3);
}

TEST(Copies, OneCopyLeavesTheCountToTheDialog) {
    FakePrintDevice device;
    cTPrint printer(device);
    printer.SetCopies(1);
    printer.ChoosePrinter();
    EXPECT_EQ(device.dialogCopies, 1);
    EXPECT_EQ(device.jobCopies, 0);
}

TEST(Copies, DriverWithoutCopiesFieldKeepsItsOwnCount) {
    FakePrintDevice device;
    device.copiesFieldDeclared = false;
    cTPrint printer(device);
    printer.SetCopies(4);
    printer.ChoosePrinter();
    EXPECT_EQ(device.dialogCopies, 4);
    EXPECT_EQ(device.jobCopies, 0);
}

TEST(Duplex, UndeclaredDuplexReportsZeroAndChangesNothing) {
    FakePrintDevice device;
    cTPrint printer(device);
    printer.ChoosePrinter();
    EXPECT_EQ(printer.CanDuplex(), 0);
    printer.SetDuplex(2);
    EXPECT_EQ(device.duplexMode, 0);
}

TEST(Duplex, NoJobSettingsOnAFreshObject) {
    FakePrintDevice device;
    device.duplexDeclared = true;
    cTPrint printer(device);
    EXPECT_EQ(printer.CanDuplex(), 0);
    printer.SetDuplex(3);
    EXPECT_EQ(device.duplexMode, 0);
}

TEST(Duplex, DeclaredDuplexIsSetAndTheFontSelectedAgain) {
    FakePrintDevice device;
    device.duplexDeclared = true;
    cTPrint printer(device);
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

TEST(PageSize, IsThePhysicalPaperInInches) {
    FakePrintDevice device;
    cTPrint printer(device);
    double width = 0;
    double height = 0;
    printer.GetPageSize(width, height);
    EXPECT_DOUBLE_EQ(width, 8.5);
    EXPECT_DOUBLE_EQ(height, 11.0);
}

TEST(Document, NameIsCutToSixtyThreeCharacters) {
    FakePrintDevice device;
    cTPrint printer(device);
    const std::string name70(70, 'n');
    printer.BeginDocument(name70);
    EXPECT_EQ(device.events.back(), "begin document " + std::string(63, 'n'));
}

TEST(Document, NameIsCutAtWholeCharacters) {
    FakePrintDevice device;
    cTPrint printer(device);
    std::string name;
    for (int i = 0; i < 64; ++i) {
        name += "\xC3\xA9"; // e with acute accent, two bytes
    }
    printer.BeginDocument(name);
    EXPECT_EQ(device.events.back(), "begin document " + name.substr(0, 126));
}

TEST(Document, LifecycleRestoresTheFontAndReleasesThePrinter) {
    FakePrintDevice device;
    cTPrint printer(device);
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

TEST(Document, WithoutAFontNothingIsRestored) {
    FakePrintDevice device;
    cTPrint printer(device);
    printer.ChoosePrinter();
    printer.BeginDocument("Help");
    printer.FinishDocument();
    EXPECT_EQ(device.events, (Events{"begin document Help", "end document", "release"}));
}

TEST(Document, FailingJobReportsOnceThenEveryPage) {
    FakePrintDevice device;
    device.documentFails = true;
    cTPrint printer(device);
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

TEST(Document, FailingPageReportsOnlyThePage) {
    FakePrintDevice device;
    device.pagesFail = true;
    cTPrint printer(device);
    printer.BeginDocument("Math Test");
    printer.BeginPage();
    EXPECT_EQ(device.errors, (Events{"Page printing error"}));
}

} // namespace
