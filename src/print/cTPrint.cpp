// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/cTPrint.h"

#include "print/TextCharacters.h"

#include <algorithm>

namespace {
constexpr std::size_t maxPrinterNameLength = 127;
constexpr std::size_t maxDocumentNameLength = 63;

} // namespace

cTPrint::cTPrint(PrintDevice& device) : device(device) {}

double cTPrint::dpiX() const {
    return std::max(device.dpiX(), 1);
}

double cTPrint::dpiY() const {
    return std::max(device.dpiY(), 1);
}

void cTPrint::readLineHeight() {
    const DeviceTextMetrics metrics = device.textMetrics();
    lineHeight = (metrics.height + metrics.externalLeading) / dpiY();
}

void cTPrint::attachIfNeeded() {
    if (!hasContext) {
        AttachDefaultPrinter();
    }
}

QString cTPrint::AttachDefaultPrinter() {
    printerName = firstCharacters(trimBlanks(device.defaultPrinterName()), maxPrinterNameLength);
    device.attachPrinter(printerName);
    hasContext = true;
    hasJobSettings = true;
    readLineHeight();
    return printerName;
}

QString cTPrint::ChoosePrinter() {
    const QString chosen = device.choosePrinter(copies);
    if (chosen.isEmpty()) {
        // A cancelled choice never lets a caller go on printing.
        hasJobSettings = false;
        return QString();
    }
    printerName = chosen;
    hasContext = true;
    hasJobSettings = true;
    readLineHeight();
    if (copies > 1 && device.canSetCopies()) {
        device.setCopies(copies);
    }
    return printerName;
}

void cTPrint::SetCopies(int count) {
    copies = count;
}

int cTPrint::CanDuplex() {
    return hasJobSettings && device.canDuplex() ? 1 : 0;
}

void cTPrint::SetDuplex(int mode) {
    if (!hasJobSettings || mode == 0 || !device.canDuplex()) {
        return;
    }
    device.setDuplex(mode);
    if (hasFont) {
        device.selectFont(font);
    }
}

void cTPrint::GetPageSize(double& width, double& height) {
    attachIfNeeded();
    width = device.physicalWidth() / dpiX();
    height = device.physicalHeight() / dpiY();
}

void cTPrint::BeginDocument(const QString& name) {
    attachIfNeeded();
    if (!device.beginDocument(firstCharacters(name, maxDocumentNameLength))) {
        ReportPrintError(1);
    }
}

void cTPrint::BeginPage() {
    if (!device.beginPage()) {
        ReportPrintError(2);
    }
}

void cTPrint::FinishPage() {
    device.endPage();
}

void cTPrint::FinishDocument() {
    device.endDocument();
    if (originalFontKept) {
        device.restoreOriginalFont();
    }
    device.releaseContext();
    hasContext = false;
    hasFont = false;
    originalFontKept = false;
}

void cTPrint::ReportPrintError(int code) {
    switch (code) {
    case 1:
        device.showError(tr("Document printing error"));
        break;
    case 2:
        device.showError(tr("Page printing error"));
        break;
    default:
        device.showError(tr("Unspecified printer error"));
        break;
    }
}
