// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The three ways of testing; Closed when the dialog was closed without a choice.
enum class TestOptionsChoice { Closed, TestOnComputer, PrintTestPages, ReportPrintedTest };

// Shows the Test Options dialog over owner; each of its buttons closes it with its choice.
TestOptionsChoice askTestOptions(QWidget* owner);
