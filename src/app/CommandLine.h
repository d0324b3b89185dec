// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the program answers to its command line before it opens a window.
struct CommandLineAnswer {
    int exitCode = -1; // -1: no answer, go on and open the window
    QString output;    // for standard output
    QString error;     // for standard error
    QString language;  // --language CODE: the language asked for, else empty
};

// --language CODE chooses the program's language over the desktop's.
// --help and --version answer on standard output with exit code 0. An unknown option or a stray
// argument gets one line of error and the usage on standard error, exit code 1. Qt's own
// options (-style, -platform, -display...) are let through for QApplication to take. Needs no
// application object, so it answers on a console without a display.
CommandLineAnswer answerCommandLine(const QStringList& arguments, const QString& programVersion);
