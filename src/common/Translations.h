// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The languages the program speaks besides English, by their codes.
QStringList programLanguages();

// The code given with --language CODE or --language=CODE (also with one dash) among the
// program's arguments (arguments[0] is the program), empty when there is none. Read before the
// command line is parsed, so that its help and its errors are already in that language.
// Nothing after "--" is an option.
QString languageAskedIn(const QStringList& arguments);

// The language to speak: the one asked for with --language when the program speaks it, else
// the first of the desktop's languages (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG, as Qt reads
// them into uiLanguages) that it speaks; English (an empty code) otherwise. "de_DE", "de-AT"
// and "de" all give "de".
QString chooseLanguage(const QString& asked, const QStringList& uiLanguages,
                       const QStringList& spoken);

// Loads the program's catalogue and Qt's own (standard buttons and dialogs) for the language,
// and makes it the default locale, so numbers and dates on screen follow its customs. English
// loads nothing and keeps the locale, made English when the desktop's is of another language
// (its territory kept). False when the program's catalogue is missing.
bool installTranslations(QCoreApplication& application, const QString& language);
