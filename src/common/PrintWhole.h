// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileWrite.h"

#include <QString>

#include <functional>

class QPrinter;

// Prints through `paint`, which returns whether the printer took the whole document. A
// printer set to write a PDF file writes it under a temporary name beside the file, and the
// file is replaced only once the PDF is whole (see PendingPdf): a failure leaves it as it was.
WriteOutcome printWhole(QPrinter& printer, const std::function<bool()>& paint);

// Whether the printer writes a PDF file rather than printing on paper.
bool printsToFile(const QPrinter& printer);

// The message for a file that could not be saved: the sentence, its %1 the file's name, then
// the reason on a line of its own.
QString notSavedText(const QString& sentence, const QString& path, const QString& reason);
