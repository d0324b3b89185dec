// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PrintWhole.h"

#include "common/PendingPdf.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

bool printsToFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

WriteOutcome printWhole(QPrinter& printer, const std::function<bool()>& paint) {
    if (!printsToFile(printer)) {
        return paint() ? WriteOutcome{true, {}}
                       : WriteOutcome{false, QCoreApplication::translate(
                                                 "PrintWhole", "the printer reported an error")};
    }
    PendingPdf pdf(printer.outputFileName());
    if (pdf.printPath().isEmpty()) {
        return pdf.finish(false);
    }
    printer.setOutputFileName(pdf.printPath());
    const bool printed = paint();
    printer.setOutputFileName(pdf.target()); // the printer names the file it was asked for
    return pdf.finish(printed);
}

QString notSavedText(const QString& sentence, const QString& path, const QString& reason) {
    return sentence.arg(QDir::toNativeSeparators(path)) + QStringLiteral("\n(%1)").arg(reason);
}

bool printWithDialog(QWidget* owner, const QString& documentName,
                     const std::function<bool(QPrinter&)>& paint, const PrintFailureTexts& texts) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const WriteOutcome printed = printWhole(printer, [&]() { return paint(printer); });
    if (!printed) {
        QMessageBox::warning(
            owner, texts.caption,
            printsToFile(printer)
                ? notSavedText(texts.notSaved, printer.outputFileName(), printed.reason)
                : texts.notPrinted);
        return false;
    }
    return true;
}
