// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A font as the printer is asked for it: the character height is in device dots.
struct DeviceFont {
    QString face;
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;

    bool operator==(const DeviceFont&) const = default;
};

// Measures of the font currently selected on the printer, in device dots.
struct DeviceTextMetrics {
    int height = 0;          // character cell height: ascent plus descent
    int externalLeading = 0; // extra space the font asks for between lines
    int averageCharWidth = 0;
};

// What cTPrint needs from a printer. All lengths are device dots; "characters" are Unicode
// code points (a surrogate pair counts as one).
class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // Printer choice and job settings.
    virtual QString defaultPrinterName() = 0; // "" when the system has none
    virtual void attachPrinter(const QString& name) = 0;
    // Shows the printer dialog with the copy count preset; on confirmation the device is
    // attached to the chosen printer and its name is returned, "" when cancelled.
    virtual QString choosePrinter(int copies) = 0;
    virtual bool canSetCopies() const = 0;
    virtual void setCopies(int copies) = 0;
    virtual bool canDuplex() const = 0;
    virtual void setDuplex(int mode) = 0; // 1 one-sided, 2 long edge, 3 short edge

    // Capabilities of the attached printer.
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    virtual int physicalWidth() const = 0;
    virtual int physicalHeight() const = 0;
    virtual int offsetX() const = 0; // left edge of the printable area on the paper
    virtual int offsetY() const = 0; // top edge of the printable area on the paper
    virtual int printableHeight() const = 0;

    // Fonts and text.
    virtual void selectFont(const DeviceFont& font) = 0;
    virtual void restoreOriginalFont() = 0;
    virtual DeviceTextMetrics textMetrics() const = 0;
    virtual int textExtent(const QString& text) const = 0;
    // How many leading characters of text fit within extent dots.
    virtual int fitCount(const QString& text, int extent) const = 0;
    // Draws text in black with its cell's top-left corner at (x, y) of the printable area,
    // leaving what lies under the cell visible.
    virtual void drawText(int x, int y, const QString& text) = 0;

    // Document and pages; false when the printer refused.
    virtual bool beginDocument(const QString& name) = 0;
    virtual bool beginPage() = 0;
    virtual void endPage() = 0;
    virtual void endDocument() = 0;
    virtual void releaseContext() = 0;

    // An error box with the caption "Printer Error" and the given text.
    virtual void showError(const QString& text) = 0;
};
