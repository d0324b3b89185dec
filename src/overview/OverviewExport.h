// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overview/OverviewRow.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

// The class overview as a file: CSV for spreadsheets, HTML for the printed page. Both take
// the rows in the order the table shows them.

// UTF-8 without a byte order mark, a header row, lines ending in CR LF (RFC 4180), ISO dates
// and a full stop before the decimals whatever the locale. A field holding a comma, a quote
// or a line break is quoted; a text field that a spreadsheet would take for a formula
// (starting with = + - @, a tab or a carriage return) gets a leading apostrophe. Numbers are
// the program's own and never start so.
QByteArray overviewCsv(const std::vector<const OverviewRow*>& rows);

// A heading, the folder, the date of printing and the table.
QString overviewHtml(const std::vector<const OverviewRow*>& rows, const QString& folder,
                     const QDate& printed);
