// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/PendingPdf.h"
#include "print/PrintDevice.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include <optional>

// The print device on a real printer: a high-resolution QPrinter drawn with a QPainter.
// Device dots are the printer's device pixels.
class QtPrintDevice : public PrintDevice {
    Q_DECLARE_TR_FUNCTIONS(QtPrintDevice)

public:
    // Output straight into a PDF file on Letter paper, with no printer dialog. Only tests
    // use it, to read back what was printed.
    struct PdfFile {
        QString fileName;
    };

    // The printer dialog and error boxes belong to `owner`: they show over it and give it the
    // keyboard back when they close.
    explicit QtPrintDevice(QWidget* owner = nullptr);
    explicit QtPrintDevice(const PdfFile& output);

    QString defaultPrinterName() override;
    void attachPrinter(const QString& name) override;
    QString choosePrinter(int copies) override;
    bool canSetCopies() const override;
    void setCopies(int copies) override;
    bool canDuplex() const override;
    void setDuplex(int mode) override;

    int dpiX() const override;
    int dpiY() const override;
    int physicalWidth() const override;
    int physicalHeight() const override;
    int offsetX() const override;
    int offsetY() const override;
    int printableHeight() const override;

    void selectFont(const DeviceFont& font) override;
    void restoreOriginalFont() override;
    DeviceTextMetrics textMetrics() const override;
    int textExtent(const QString& text) const override;
    int fitCount(const QString& text, int extent) const override;
    void drawText(int x, int y, const QString& text) override;

    bool beginDocument(const QString& name) override;
    bool beginPage() override;
    void endPage() override;
    void endDocument() override;
    void releaseContext() override;

    void showError(const QString& text) override;

private:
    QRect paperDots() const;
    QRect pageDots() const;
    // Puts a PDF file in place once printed whole, or removes it; false when it failed.
    WriteOutcome finishPdf(bool printed);

    QWidget* owner = nullptr;
    QPrinter printer{QPrinter::HighResolution};
    QPainter painter;
    QFont font;
    bool toPdfFile = false;
    std::optional<PendingPdf> pendingPdf; // while a document is printed into a PDF file
    int pagesBegun = 0;
};
