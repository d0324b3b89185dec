// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "common/Translations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

struct CommandLineCase {
    QStringList arguments; // after the program's name
    int exitCode;          // -1: the window opens
    const char* output;    // the start of standard output
    const char* error;     // the start of standard error
};

// "": nothing at all.
bool begins(const QString& text, const char* start) {
    return text.toStdString().starts_with(start) && text.isEmpty() == (*start == '\0');
}

// Each command line is answered as the program does it: under a console application object
// speaking the language asked for (English when none is).
TEST(CommandLine, AnswersHelpVersionAndBadInputAndLetsQtOptionsThrough) {
    const CommandLineCase cases[] = {
        {{}, -1, "", ""},
        {{"--version"}, 0, "tallyburrow 1.90\n", ""},
        {{"-v"}, 0, "tallyburrow 1.90\n", ""},
        {{"--help"}, 0, "Usage: tallyburrow [options]\n", ""},
        {{"-h"}, 0, "Usage: tallyburrow [options]\n", ""},
        {{"-style", "fusion", "-reverse"}, -1, "", ""},
        {{"-platform", "offscreen", "--version"}, 0, "tallyburrow 1.90\n", ""},
        {{"--bogus"}, 1, "", "tallyburrow: Unknown option 'bogus'.\nUsage: tallyburrow"},
        {{"--version", "--bogus"}, 1, "", "tallyburrow: Unknown option 'bogus'.\n"},
        {{"Sam"}, 1, "", "tallyburrow: Unexpected argument 'Sam'.\nUsage: tallyburrow"},
        {{"-style"}, 1, "", "tallyburrow: Missing value after '-style'.\n"},
        {{"--language"}, 1, "", "tallyburrow: Missing value after '--language'.\n"},
        {{"--language", "de", "--help"}, 0, "Aufruf: tallyburrow [Optionen]\nKinder üben", ""},
        {{"-language=es", "Sam"}, 1, "", "tallyburrow: Argumento inesperado «Sam».\nUso:"},
        {{"--bogus", "--language=fr"}, 1, "", "tallyburrow: Option inconnue \"bogus\"."}};
    for (const CommandLineCase& c : cases) {
        const QStringList arguments = QStringList{"/usr/bin/tallyburrow"} + c.arguments;
        int argc = 1;
        char name[] = "tallyburrow";
        char* argv[] = {name, nullptr};
        QCoreApplication console(argc, argv);
        installTranslations(console,
                            chooseLanguage(languageAskedIn(arguments), {"en"}, programLanguages()));
        const auto answer = answerCommandLine(arguments, "1.90");
        EXPECT_EQ(answer.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(begins(answer.output, c.output) && begins(answer.error, c.error))
            << c.arguments.join(' ').toStdString() << ": " << answer.output.toStdString() << "|"
            << answer.error.toStdString();
    }
}

} // namespace
