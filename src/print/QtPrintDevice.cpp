// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/QtPrintDevice.h"

#include "print/TextCharacters.h"

#include <QDir>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>

#include <algorithm>

namespace {
constexpr std::size_t maxDocumentNameLength = 63;
constexpr int boldWeight = 700;

} // namespace

QtPrintDevice::QtPrintDevice(QWidget* owner) : owner(owner) {}

QtPrintDevice::QtPrintDevice(const PdfFile& output) : toPdfFile(true) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output.fileName);
    printer.setPageSize(QPageSize(QPageSize::Letter));
}

QString QtPrintDevice::defaultPrinterName() {
    if (toPdfFile) {
        return printer.outputFileName();
    }
    return QPrinterInfo::defaultPrinter().printerName();
}

void QtPrintDevice::attachPrinter(const QString& name) {
    if (!toPdfFile) {
        printer.setPrinterName(name);
    }
}

QString QtPrintDevice::choosePrinter(int copies) {
    printer.setCopyCount(std::max(copies, 1));
    if (toPdfFile) {
        return printer.outputFileName();
    }
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    const int answer = dialog.exec();
    // Not every platform hands the activation back to the owner when the dialog closes.
    if (owner != nullptr) {
        owner->window()->activateWindow();
    }
    if (answer != QDialog::Accepted) {
        return QString();
    }
    QString name = printer.printerName();
    if (name.isEmpty()) {
        name =
            printer.outputFileName().isEmpty() ? QStringLiteral("PDF") : printer.outputFileName();
    }
    return name;
}

bool QtPrintDevice::canSetCopies() const {
    return true;
}

void QtPrintDevice::setCopies(int copies) {
    printer.setCopyCount(copies);
}

bool QtPrintDevice::canDuplex() const {
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        return false;
    }
    const auto modes = QPrinterInfo(printer).supportedDuplexModes();
    return modes.contains(QPrinter::DuplexLongSide) || modes.contains(QPrinter::DuplexShortSide);
}

void QtPrintDevice::setDuplex(int mode) {
    switch (mode) {
    case 2:
        printer.setDuplex(QPrinter::DuplexLongSide);
        break;
    case 3:
        printer.setDuplex(QPrinter::DuplexShortSide);
        break;
    default:
        printer.setDuplex(QPrinter::DuplexNone);
        break;
    }
}

QRect QtPrintDevice::paperDots() const {
    return printer.paperRect(QPrinter::DevicePixel).toRect();
}

QRect QtPrintDevice::pageDots() const {
    return printer.pageRect(QPrinter::DevicePixel).toRect();
}

int QtPrintDevice::dpiX() const {
    return printer.resolution();
}

int QtPrintDevice::dpiY() const {
    return printer.resolution();
}

int QtPrintDevice::physicalWidth() const {
    return paperDots().width();
}

int QtPrintDevice::physicalHeight() const {
    return paperDots().height();
}

int QtPrintDevice::offsetX() const {
    return pageDots().left() - paperDots().left();
}

int QtPrintDevice::offsetY() const {
    return pageDots().top() - paperDots().top();
}

int QtPrintDevice::printableHeight() const {
    return pageDots().height();
}

void QtPrintDevice::selectFont(const DeviceFont& wanted) {
    font = QFont(wanted.face);
    font.setPixelSize(std::max(wanted.height, 1));
    font.setWeight(wanted.weight >= boldWeight ? QFont::Bold : QFont::Normal);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
}

void QtPrintDevice::restoreOriginalFont() {
    font = QFont();
}

DeviceTextMetrics QtPrintDevice::textMetrics() const {
    const QFontMetrics metrics(font, const_cast<QPrinter*>(&printer));
    return {metrics.height(), metrics.leading(), metrics.averageCharWidth()};
}

int QtPrintDevice::textExtent(const QString& text) const {
    const QFontMetrics metrics(font, const_cast<QPrinter*>(&printer));
    return metrics.horizontalAdvance(text);
}

int QtPrintDevice::fitCount(const QString& text, int extent) const {
    const QFontMetrics metrics(font, const_cast<QPrinter*>(&printer));
    // Widths grow with every character, so the count that fits is found by halving.
    int low = 0;
    int high = static_cast<int>(characterCount(text));
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(firstCharacters(text, middle)) <= extent) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return low;
}

void QtPrintDevice::drawText(int x, int y, const QString& text) {
    if (!painter.isActive()) {
        return;
    }
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

bool QtPrintDevice::beginDocument(const QString& name) {
    printer.setDocName(firstCharacters(name, maxDocumentNameLength));
    // A PDF file (chosen in the printer dialog) is printed under a temporary name beside it
    // and put in place only once whole, so a failed print leaves the file that was there.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        pendingPdf.emplace(printer.outputFileName());
        if (pendingPdf->printPath().isEmpty()) {
            finishPdf(false);
            return false;
        }
        printer.setOutputFileName(pendingPdf->printPath());
    }
    if (!painter.begin(&printer)) {
        finishPdf(false); // the failed start is reported as a printing error
        return false;
    }
    // Text is drawn without filling its cells: the rules of the test pages lie partly inside
    // the cell of the line above them, and a white cell would wipe them out.
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    pagesBegun = 0;
    return true;
}

bool QtPrintDevice::beginPage() {
    if (!painter.isActive()) {
        return false;
    }
    // The painter opened the first page when the document began.
    return pagesBegun++ == 0 || printer.newPage();
}

void QtPrintDevice::endPage() {}

void QtPrintDevice::endDocument() {
    const bool ended = painter.isActive() && painter.end();
    if (pendingPdf) {
        const QString target = pendingPdf->target();
        if (const WriteOutcome saved = finishPdf(ended); !saved) {
            showError(tr("The PDF could not be saved as %1.\n(%2)")
                          .arg(QDir::toNativeSeparators(target), saved.reason));
        }
    }
}

WriteOutcome QtPrintDevice::finishPdf(bool printed) {
    if (!pendingPdf) {
        return WriteOutcome{true, {}};
    }
    const QString target = pendingPdf->target();
    const WriteOutcome outcome = pendingPdf->finish(printed);
    pendingPdf.reset();
    printer.setOutputFileName(target); // the printer names the file it was asked for
    return outcome;
}

void QtPrintDevice::releaseContext() {
    font = QFont();
}

void QtPrintDevice::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, tr("Printer Error"), text, QMessageBox::Ok, owner);
    box.exec();
}
