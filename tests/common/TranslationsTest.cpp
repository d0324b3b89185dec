// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Translations.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

// --language wins when the program speaks it; else the first desktop language it speaks, an
// English one before it keeping English.
TEST(Translations, TheLanguageComesFromTheOptionElseTheDesktop) {
    const QStringList spoken = programLanguages();
    const std::tuple<QString, QStringList, QString> cases[] = {
        {"", {"de-DE", "en-US"}, "de"},
        {"", {"en-GB", "de-DE"}, ""},
        {"", {"it-IT", "fr-CA", "de"}, "fr"},
        {"", {"es_MX.UTF-8"}, "es"},
        {"", {"C"}, ""},
        {"", {}, ""},
        {"es", {"de-DE"}, "es"},
        {"DE_at", {"fr"}, "de"},
        {"en", {"de-DE"}, ""},
        {"xx", {"de-DE"}, ""},
    };
    for (const auto& [asked, desktop, expected] : cases) {
        EXPECT_EQ(chooseLanguage(asked, desktop, spoken), expected)
            << asked.toStdString() << " " << desktop.join(',').toStdString();
    }
}

// --language is found before the command line is parsed, with one dash or two, its value
// after it or after "="; not after "--", and not in another option's name.
TEST(Translations, TheLanguageAskedForIsFoundAmongTheArguments) {
    const std::pair<QStringList, QString> cases[] = {
        {{"--language", "de", "--help"}, "de"},
        {{"--help", "--language=fr_CA"}, "fr_CA"},
        {{"-style", "fusion", "-language", "es"}, "es"},
        {{"--language"}, ""},
        {{"--", "--language", "de"}, ""},
        {{"--languages=de", "de"}, ""},
        {{"language", "de"}, ""},
        {{}, ""},
    };
    for (const auto& [arguments, expected] : cases) {
        EXPECT_EQ(languageAskedIn(QStringList{"tallyburrow"} + arguments), expected)
            << arguments.join(' ').toStdString();
    }
}

// Each shipped catalogue loads and makes its language the locale; English loads nothing and
// makes a German desktop's locale English, in Germany.
TEST(Translations, EachLanguagesCatalogueIsBuiltIn) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_TRUE(installTranslations(app, QString()));
    EXPECT_EQ(QLocale().language(), QLocale::English);
    EXPECT_EQ(QLocale().territory(), QLocale::Germany);
    for (const QString& language : programLanguages()) {
        EXPECT_TRUE(installTranslations(app, language)) << language.toStdString();
        EXPECT_EQ(QLocale().name().left(2), language);
    }
    QLocale::setDefault(before);
}
