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
    };
    for (const CommandLineCase& c : cases) {
        const QStringList arguments = QStringList{"/usr/bin/tallyburrow"} + c.arguments;
        const CommandLineAnswer answer = answerCommandLine(arguments, "1.90");
        const QString shown = c.arguments.join(' ');
        EXPECT_EQ(answer.exitCode, c.exitCode) << shown.toStdString();
        const std::string output = answer.output.toStdString();
        const std::string error = answer.error.toStdString();
        EXPECT_TRUE(output.starts_with(c.output)) << shown.toStdString() << ": " << output;
        EXPECT_TRUE(error.starts_with(c.error)) << shown.toStdString() << ": " << error;
        EXPECT_EQ(answer.output.isEmpty(), *c.output == '\0') << shown.toStdString();
        EXPECT_EQ(answer.error.isEmpty(), *c.error == '\0') << shown.toStdString();
    }
}

} // namespace
