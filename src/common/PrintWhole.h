// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileWrite.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// Prints through `paint`, which returns whether the printer took the whole document. A
// printer set to write a PDF file writes it under a temporary name beside the file, and the
// file is replaced only once the PDF is whole (see PendingPdf): a failure leaves it as it was.
WriteOutcome printWhole(QPrinter& printer, const std::function<bool()>& paint);

// Whether the printer writes a PDF file rather than printing on paper.
bool printsToFile(const QPrinter& printer);

// The message for a file that could not be saved: the sentence, its %1 the file's name, then
// the reason on a line of its own.
QString notSavedText(const QString& sentence, const QString& path, const QString& reason);

// What a window says when its printing fails: the message box's caption, the sentence for a
// PDF file that could not be saved (its %1 the file's name) and the one for a printer.
struct PrintFailureTexts {
    QString caption;
    QString notSaved;
    QString notPrinted;
};

// Asks for a printer (a PDF file included; no selection, no page range) over owner, prints the
// whole document through paint and tells a failure. True once printed.
bool printWithDialog(QWidget* owner, const QString& documentName,
                     const std::function<bool(QPrinter&)>& paint, const PrintFailureTexts& texts);
