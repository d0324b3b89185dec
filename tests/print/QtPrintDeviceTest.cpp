// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/QtPrintDevice.h"
#include "print/cTPrint.h"
#include "support/ModalHelpers.h"
#include "support/TempFolder.h"

#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QtTest>

namespace {

// What a poppler tool prints about a PDF: its text as laid out, or its information.
QString poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class QtPrintDeviceTest : public QObject {
    Q_OBJECT

private slots:
    // Letter paper and Courier measured in inches; text and pages reach the PDF.
    void measuresAndPrintsTextAndPagesIntoAPdf() {
        TempFolder folder;
        const QString fileName = QString::fromStdString((folder.path() / "pages.pdf").string());
        QtPrintDevice device(QtPrintDevice::PdfFile{fileName});
        cTPrint printer(device);
        QVERIFY(!printer.ChoosePrinter().isEmpty());
        double width = 0;
        double height = 0;
        printer.GetPageSize(width, height);
        QCOMPARE(QSizeF(width, height), QSizeF(8.5, 11.0));
        printer.SetFont("Courier New", 12);
        // Courier's characters are 0.6 of the 1/6 inch size: 0.1 inch each.
        QVERIFY(qAbs(printer.TextWidth("0123456789") - 1.0) < 0.01);
        printer.GetCharSize(width, height);
        QVERIFY(qAbs(width - 0.1) < 0.005);
        QVERIFY(height > 1.0 / 6 && height < 0.25);
        printer.BeginDocument(QString(63, u'T') + "cut off");
        printer.BeginPage();
        printer.PrintText("Hello worksheet", 1.0, 1.0);
        printer.PrintText("second line \xC3\xA4\xC3\xB6"); // with two umlauts
        printer.PrintText("cut at the paper edge XYZ", 6.5, 3.0);
        printer.FinishPage();
        printer.BeginPage();
        printer.FinishPage();
        printer.FinishDocument();

        const QString text = poppler("pdftotext", {"-layout", fileName, "-"});
        QVERIFY2(text.contains(QString::fromUtf8("second line \xC3\xA4\xC3\xB6")),
                 qPrintable(text));
        QVERIFY(text.contains("cut at the paper edg"));
        QVERIFY(!text.contains("XYZ"));
        QCOMPARE(text.count('\f'), 2);
        // Text printed at one inch has its top left corner there, 72 points into the page.
        const QRegularExpressionMatch hello =
            QRegularExpression(R"re(xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>Hello<)re")
                .match(poppler("pdftotext", {"-bbox", "-l", "1", fileName, "-"}));
        QVERIFY2(qAbs(hello.captured(1).toDouble() - 72) < 1 &&
                     qAbs(hello.captured(2).toDouble() - 72) < 1,
                 qPrintable(hello.captured()));
        const QString info = poppler("pdfinfo", {fileName});
        QVERIFY2(info.contains(QRegularExpression("Title:\\s+T{63}\\n")), qPrintable(info));
    }

    // The printer dialog belongs to the window that prints: cancelled, it gives that window
    // the keyboard back at once.
    void printerDialogPresetsCopiesAndCancelGivesTheKeysBack() {
        QWidget owner;
        auto* edit = new QLineEdit(&owner);
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        edit->setFocus();
        QtPrintDevice device(&owner);
        cTPrint printer(device);
        printer.SetCopies(3);
        int shownCopies = -1;
        QWidget* dialogOwner = nullptr;
        whenModalOpens([&](QWidget* dialog) {
            dialogOwner = dialog->parentWidget();
            if (auto* copies = dialog->findChild<QSpinBox*>("copies")) {
                shownCopies = copies->value();
            }
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QCOMPARE(printer.ChoosePrinter(), QString());
        QCOMPARE(shownCopies, 3);
        QCOMPARE(dialogOwner, &owner);
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q);
        QCOMPARE(edit->text(), QString("q"));
    }
};

QTEST_MAIN(QtPrintDeviceTest)
#include "QtPrintDeviceTest.moc"
