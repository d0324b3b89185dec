// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the program answers to its command line before it opens a window.
struct CommandLineAnswer {
    int exitCode = -1; // -1: no answer, go on and open the window
    QString output;    // for standard output
    QString error;     // for standard error
};

// --language CODE chooses the program's language over the desktop's (it is read before this,
// with languageAskedIn, so that the answers below are in that language).
// --help and --version answer on standard output with exit code 0. An unknown option or a stray
// argument gets one line of error and the usage on standard error, exit code 1. Qt's own
// options (-style, -platform, -display...) are let through for QApplication to take. Needs no
// window system, so it answers on a console without a display. The texts come through the
// catalogues installed in the application object (Qt's own from its qtbase catalogue).
CommandLineAnswer answerCommandLine(const QStringList& arguments, const QString& programVersion);
