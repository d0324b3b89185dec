// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpPrint.h"

#include "help/HelpPrintText.h"
#include "help/HelpText.h"
#include "help/HelpTree.h"
#include "help/Windows1252.h"
#include "print/TextCharacters.h"
#include "print/cTPrint.h"

#include <QCoreApplication>

namespace {

constexpr char bodyFace[] = "Courier New";
constexpr int bodyPoints = 9;
constexpr int titlePoints = 12;
constexpr double sideMargin = 0.75;
constexpr double headerY = 0.25;

QString pageText(int page) {
    return QCoreApplication::translate("HelpPrint", "Page %1").arg(page);
}

// Lays the body of one topic out in lines and pages, either for real or as a dry run that
// only finds out whether more than one page is needed.
class TopicPageWriter {
public:
    TopicPageWriter(cTPrint& printer, QString title, double pageWidth, int capacity)
        : printer(printer), title(std::move(title)), pageWidth(pageWidth),
          printableWidth(pageWidth - 2 * sideMargin), capacity(capacity) {}

    bool needsMoreThanOnePage(const QStringList& lines) {
        printing = false;
        lineCounter = 4;
        moreThanOnePage = false;
        writeBody(lines);
        return moreThanOnePage;
    }

    void print(const QStringList& lines, double firstPageNumberWidth) {
        printing = true;
        printer.BeginDocument(helpDocumentName);
        printer.BeginPage();
        pageNumber = 1;
        printHeader(firstPageNumberWidth);
        double averageWidth = 0;
        printer.GetCharSize(averageWidth, lineHeight);
        startBody();
        writeBody(lines);
        printer.FinishPage();
        printer.FinishDocument();
    }

private:
    void writeBody(const QStringList& lines) {
        for (const QString& rawLine : lines) {
            writeLine(expandTabs(rawLine));
            breakPageIfFull();
        }
    }

    void writeLine(QString line) {
        while (printer.TextWidth(line) > printableWidth) {
            const QString fitting = printer.FitText(line, printableWidth);
            const qsizetype length = pieceLength(line, fitting);
            putLine(trimBlanks(line.left(length)));
            line.remove(0, length);
            breakPageIfFull();
        }
        putLine(line);
    }

    void putLine(const QString& text) {
        if (printing) {
            printer.PrintText(text, 0, 0);
        }
        ++lineCounter;
    }

    void breakPageIfFull() {
        if (lineCounter <= capacity) {
            return;
        }
        if (!printing) {
            moreThanOnePage = true;
            return;
        }
        printer.FinishPage();
        printer.BeginPage();
        ++pageNumber;
        printHeader(printer.TextWidth(pageText(pageNumber)));
        startBody();
    }

    void printHeader(double pageNumberWidth) {
        printer.SetFont(bodyFace, titlePoints, "u");
        printer.PrintText(title, sideMargin, headerY);
        printer.SetFont(bodyFace, bodyPoints);
        printer.PrintText(pageText(pageNumber), pageWidth - sideMargin - pageNumberWidth, headerY);
    }

    void startBody() {
        printer.SetPosition(sideMargin, 4 * lineHeight);
        lineCounter = 4;
    }

    cTPrint& printer;
    QString title;
    double pageWidth;
    double printableWidth;
    int capacity;
    double lineHeight = 0;
    int lineCounter = 4;
    int pageNumber = 1;
    bool printing = false;
    bool moreThanOnePage = false;
};

} // namespace

void PrintTopic(PrintDevice& device, const HelpTopic& topic) {
    const QStringList lines = printLines(QString::fromStdString(topicPrintText(topic.text)));
    cTPrint printer(device);
    if (printer.ChoosePrinter().isEmpty()) {
        return;
    }
    printer.SetMargins(sideMargin, sideMargin, headerY, 0.5);
    double pageWidth = 0;
    double pageHeight = 0;
    printer.GetPageSize(pageWidth, pageHeight);
    printer.SetFont(bodyFace, bodyPoints);
    const int capacity = printer.LinesLeft(0);
    TopicPageWriter writer(printer,
                           QString::fromStdString(windows1252ToUtf8(shownTitle(topic.title))),
                           pageWidth, capacity);
    if (printer.CanDuplex()) {
        printer.SetDuplex(writer.needsMoreThanOnePage(lines) ? 2 : 1);
    }
    const double firstPageNumberWidth = printer.TextWidth(pageText(1));
    writer.print(lines, firstPageNumberWidth);
}
