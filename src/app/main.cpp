// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/DataLocation.h"
#include "app/TerminationSignals.h"
#include "common/ProgramFont.h"
#include "common/Translations.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLocale>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int iconSizes[] = {16, 22, 32, 48, 64, 128, 256};

// Names the program for the desktop: the version for --version, and the desktop-file name
// by which a Wayland compositor matches the window to its menu entry and icon. None of these
// moves the data folder, which lies under the generic data location.
void nameApplication() {
    QApplication::setApplicationName(QStringLiteral("Tallyburrow"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYBURROW_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quillbyte"));
    QApplication::setOrganizationDomain(QStringLiteral("quillbyte.org"));
    QApplication::setDesktopFileName(QStringLiteral("org.quillbyte.Tallyburrow"));
}

void setApplicationIcon() {
    QIcon icon;
    for (const int size : iconSizes) {
        icon.addFile(QStringLiteral(":/icons/happy%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// Answers --help, --version and a wrong command line before a window system is needed, so
// they work on a console without a display: under a console application object that speaks
// the program's language. The exit code, or nothing when the window is to open.
std::optional<int> answerOnConsole(int argc, char* argv[], const QStringList& arguments,
                                   const QString& language) {
    int consoleArgc = argc;
    std::vector<char*> consoleArgv(argv, argv + argc + 1); // the application may take some out
    QCoreApplication console(consoleArgc, consoleArgv.data());
    installTranslations(console, language);
    const CommandLineAnswer answer =
        answerCommandLine(arguments, QCoreApplication::applicationVersion());
    if (answer.exitCode < 0) {
        return std::nullopt;
    }
    std::fputs(qPrintable(answer.output), stdout);
    std::fputs(qPrintable(answer.error), stderr);
    return answer.exitCode;
}

} // namespace

int main(int argc, char* argv[]) {
    nameApplication();
    const QStringList arguments = argumentsOf(argc, argv);
    const QString language = chooseLanguage(languageAskedIn(arguments),
                                            QLocale::system().uiLanguages(), programLanguages());
    if (const std::optional<int> exitCode = answerOnConsole(argc, argv, arguments, language)) {
        return *exitCode;
    }
    QApplication app(argc, argv);
    installTranslations(app, language);
    setApplicationIcon();
    setUpProgramFont(!language.isEmpty());

    Application program(defaultDataFolder(), language.toStdString());
    QObject::connect(&program, &Application::ended, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &program,
                     &Application::endKeepingSession);
    program.show();
    return QApplication::exec();
}
