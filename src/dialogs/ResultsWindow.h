// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/ResultsSummary.h"

class QDialog;
class QWidget;

// Shows the score of an on-screen test and its wrong answers over owner, and returns when
// the window is closed. The window changes nothing.
void showResultsWindow(QWidget* owner, const ResultsSummary& summary);
// The same window opened without waiting; it is deleted once closed (QDialog::finished).
QDialog* openResultsWindow(QWidget* owner, const ResultsSummary& summary);
