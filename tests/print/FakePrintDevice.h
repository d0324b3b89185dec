// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PrintDevice.h"
#include "print/TextCharacters.h"

#include <QStringList>

#include <algorithm>
#include <ostream>
#include <vector>

// Test messages write texts as UTF-8.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}

// A printer with fixed metrics that records what is drawn: 600 dots per inch, Letter paper
// (5100 x 6600 dots) with its printable area 150 dots from the left and 120 from the top
// and a strip of 120 at the bottom, every character 60 dots wide, and a character cell one
// fifth taller than the font's character height.
class FakePrintDevice : public PrintDevice {
public:
    struct Drawn {
        int x = 0;
        int y = 0;
        QString text;
        DeviceFont font;
    };

    static constexpr int charWidth = 60;
    static constexpr int defaultFontHeight = 50;

    // Set by a test.
    QString systemDefaultPrinter = "Office Laser";
    QString dialogAnswer = "Office Laser"; // "" stands for Cancel
    bool copiesFieldDeclared = true;
    bool duplexDeclared = false;
    bool documentFails = false;
    bool pagesFail = false;
    int externalLeading = 0;

    // Recorded.
    std::vector<Drawn> drawn;
    std::vector<DeviceFont> selectedFonts;
    QStringList events;
    QStringList errors;
    QString attachedPrinter;
    int dialogCopies = -1; // copies preset in the dialog, -1 when it never opened
    int jobCopies = 0;
    int duplexMode = 0;

    // What was drawn, as "x,y text|...".
    QString drawnAt() const {
        QStringList texts;
        for (const Drawn& d : drawn) {
            texts.append(QString("%1,%2 %3").arg(d.x).arg(d.y).arg(d.text));
        }
        return texts.join('|');
    }

    QString defaultPrinterName() override { return systemDefaultPrinter; }
    void attachPrinter(const QString& name) override {
        attachedPrinter = name;
        events.append("attach " + name);
    }
    QString choosePrinter(int copies) override {
        dialogCopies = copies;
        if (!dialogAnswer.isEmpty()) {
            attachedPrinter = dialogAnswer;
        }
        return dialogAnswer;
    }
    bool canSetCopies() const override { return copiesFieldDeclared; }
    void setCopies(int copies) override { jobCopies = copies; }
    bool canDuplex() const override { return duplexDeclared; }
    void setDuplex(int mode) override { duplexMode = mode; }

    int dpiX() const override { return 600; }
    int dpiY() const override { return 600; }
    int physicalWidth() const override { return 5100; }
    int physicalHeight() const override { return 6600; }
    int offsetX() const override { return 150; }
    int offsetY() const override { return 120; }
    int printableHeight() const override { return 6360; }

    void selectFont(const DeviceFont& font) override {
        current = font;
        selectedFonts.push_back(font);
    }
    void restoreOriginalFont() override {
        current = DeviceFont{"", defaultFontHeight};
        events.append("restore font");
    }
    DeviceTextMetrics textMetrics() const override {
        return {current.height + current.height / 5, externalLeading, charWidth};
    }
    int textExtent(const QString& text) const override {
        return charWidth * static_cast<int>(characterCount(text));
    }
    int fitCount(const QString& text, int extent) const override {
        return std::min(static_cast<int>(characterCount(text)), std::max(extent, 0) / charWidth);
    }
    void drawText(int x, int y, const QString& text) override {
        drawn.push_back({x, y, text, current});
    }

    bool beginDocument(const QString& name) override {
        events.append("begin document " + name);
        documentOpen = !documentFails;
        return documentOpen;
    }
    bool beginPage() override {
        events.append("begin page");
        return documentOpen && !pagesFail;
    }
    void endPage() override { events.append("end page"); }
    void endDocument() override { events.append("end document"); }
    void releaseContext() override { events.append("release"); }
    void showError(const QString& text) override { errors.append(text); }

private:
    DeviceFont current{"", defaultFontHeight};
    bool documentOpen = false;
};
