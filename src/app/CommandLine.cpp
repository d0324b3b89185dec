// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The options QApplication and its X11 and Wayland platforms take out of the command line.
const char* const qtOptionsWithValue[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "qwindowicon",
                                          "qwindowtitle",
                                          "qmljsdebugger",
                                          "session",
                                          "style",
                                          "stylesheet",
                                          "display",
                                          "geometry",
                                          "title",
                                          "name",
                                          "visual",
                                          "ncols",
                                          "im",
                                          "inputstyle",
                                          "fn",
                                          "font",
                                          "bg",
                                          "background",
                                          "fg",
                                          "foreground",
                                          "btn",
                                          "button"};
const char* const qtFlags[] = {"reverse", "widgetcount", "cmap",       "nograb",
                               "dograb",  "sync",        "testability"};

void acceptQtOptions(QCommandLineParser& parser) {
    for (const char* name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : qtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The usage names the program as it is installed, whatever path started it.
QString usageOf(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    return text.replace(0, text.indexOf(QLatin1Char('\n')),
                        QCoreApplication::translate("CommandLine", "Usage: tallyburrow [options]"));
}

} // namespace

CommandLineAnswer answerCommandLine(const QStringList& arguments, const QString& programVersion) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // -style fusion
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Arithmetic tables practice for children."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption language(
        QStringLiteral("language"),
        QCoreApplication::translate("CommandLine",
                                    "Speak this language (de, es, fr or en) instead of the "
                                    "desktop's."),
        QCoreApplication::translate("CommandLine", "code"));
    parser.addOption(language);
    acceptQtOptions(parser);
    const bool parsed = parser.parse(arguments);
    const QStringList stray = parser.positionalArguments();
    if (!parsed || !stray.isEmpty()) {
        const QString error =
            parsed ? QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                         .arg(stray.first())
                   : parser.errorText();
        return {1, {}, QStringLiteral("tallyburrow: %1\n%2").arg(error, usageOf(parser))};
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        return {0, usageOf(parser), {}};
    }
    if (parser.isSet(version)) {
        return {0, QStringLiteral("tallyburrow %1\n").arg(programVersion), {}};
    }
    return {};
}
