// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QStringList programLanguages() {
    return {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};
}

QString languageAskedIn(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) {
            break;
        }
        const QString name = argument.startsWith(QLatin1String("--")) ? argument.mid(2)
                             : argument.startsWith(QLatin1Char('-'))  ? argument.mid(1)
                                                                      : QString();
        if (name == QLatin1String("language")) {
            return arguments.value(i + 1);
        }
        if (name.startsWith(QLatin1String("language="))) {
            return name.mid(static_cast<qsizetype>(sizeof("language=") - 1));
        }
    }
    return {};
}

namespace {
// "de_DE.UTF-8", "de-AT", "de" -> "de"; "C" and "POSIX" are no language.
QString languagePart(const QString& name) {
    return name.section(QLatin1Char('.'), 0, 0)
        .section(QLatin1Char('_'), 0, 0)
        .section(QLatin1Char('-'), 0, 0)
        .toLower();
}
} // namespace

QString chooseLanguage(const QString& asked, const QStringList& uiLanguages,
                       const QStringList& spoken) {
    if (!asked.isEmpty()) {
        const QString language = languagePart(asked);
        return spoken.contains(language) ? language : QString();
    }
    for (const QString& name : uiLanguages) {
        const QString language = languagePart(name);
        if (language == QLatin1String("en")) {
            return {};
        }
        if (spoken.contains(language)) {
            return language;
        }
    }
    return {};
}

namespace {
// An English program on a desktop of another language writes numbers and dates the English way
// too, as its words are; the desktop's territory is kept.
void keepEnglishLocale() {
    const QLocale current;
    if (current.language() != QLocale::English && current.language() != QLocale::C) {
        QLocale::setDefault(QLocale(QLocale::English, current.territory()));
    }
}
} // namespace

bool installTranslations(QCoreApplication& application, const QString& language) {
    if (language.isEmpty()) {
        keepEnglishLocale();
        return true;
    }
    auto* program = new QTranslator(&application);
    const bool loaded = program->load(QStringLiteral(":/i18n/tallyburrow_%1.qm").arg(language));
    if (loaded) {
        QCoreApplication::installTranslator(program);
        QLocale::setDefault(QLocale(language));
    }
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_%1").arg(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
    return loaded;
}
