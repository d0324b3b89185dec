// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PrintWhole.h"

#include "common/PendingPdf.h"

#include <QCoreApplication>
#include <QDir>
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
