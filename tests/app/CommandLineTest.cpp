// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

struct CommandLineCase {
    QStringList arguments; // after the program's name
    int exitCode;          // -1: the window opens
    const char* output;    // the start of standard output
    const char* error;     // the start of standard error
};

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
        {{"--language"}, 1, "", "tallyburrow: Missing value after '--language'.\n"}};
    const auto begins = [](const QString& text, const char* start) { // "": nothing at all
        return text.toStdString().starts_with(start) && text.isEmpty() == (*start == '\0');
    };
    for (const CommandLineCase& c : cases) {
        const auto answer =
            answerCommandLine(QStringList{"/usr/bin/tallyburrow"} + c.arguments, "1.90");
        EXPECT_EQ(answer.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(begins(answer.output, c.output) && begins(answer.error, c.error))
            << c.arguments.join(' ').toStdString() << ": " << answer.output.toStdString() << "|"
            << answer.error.toStdString();
    }
}

TEST(CommandLine, TheLanguageAskedForIsPassedOn) {
    EXPECT_EQ(answerCommandLine({"tallyburrow", "--language", "de"}, "1").language, "de");
    EXPECT_EQ(answerCommandLine({"tallyburrow", "--language=fr_CA"}, "1").language, "fr_CA");
    EXPECT_EQ(answerCommandLine({"tallyburrow"}, "1").language, "");
}

} // namespace
