// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PrintDevice.h"

#include <QCoreApplication>

// The printer object: one per document. Positions and lengths are inches from the paper's
// top-left corner; device dots exist only inside. The operation names are kept as the rest
// of the program knows them.
class cTPrint {
    Q_DECLARE_TR_FUNCTIONS(cTPrint)

public:
    explicit cTPrint(PrintDevice& device);

    // Printer and job.
    QString AttachDefaultPrinter();
    QString ChoosePrinter();
    void SetCopies(int copies);
    int CanDuplex();
    void SetDuplex(int mode);
    void GetPageSize(double& width, double& height);
    void BeginDocument(const QString& name);
    void BeginPage();
    void FinishPage();
    void FinishDocument();

    // Fonts, measuring and text output.
    void SetFont(const QString& face, int points, const QString& style = QString());
    double TextWidth(const QString& text);
    QString FitText(const QString& text, double width);
    void SetMargins(double left, double right, double top, double bottom);
    void GetCharSize(double& avgWidth, double& lineHeight);
    int LinesLeft(double y);
    void SetPosition(double x, double y);
    void PrintText(const QString& text, double x = 0, double y = 0);

private:
    void ReportPrintError(int code);
    void attachIfNeeded();
    void readLineHeight();
    double dpiX() const;
    double dpiY() const;

    PrintDevice& device;
    bool hasContext = false;
    bool hasFont = false;
    bool originalFontKept = false;
    bool hasJobSettings = false;
    DeviceFont font;
    double lineHeight = 0;
    double leftMargin = 0;
    double rightMargin = 0;
    double topMargin = 0;
    double bottomMargin = 0;
    QString printerName;
    int copies = 0;
    double lastX = 0;
    double lastY = 0;
};
