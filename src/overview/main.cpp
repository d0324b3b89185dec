// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ProgramFont.h"
#include "common/Translations.h"
#include "common/Version.h"
#include "overview/OverviewWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>

namespace {
// The folder the program keeps its child files in, for the user who runs the overview.
QString usualDataFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) {
        base = QDir::homePath();
    }
    return base + "/Quillbyte/Tallyburrow";
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("tallyburrow-class");
    QApplication::setOrganizationName("Quillbyte");
    QApplication::setApplicationVersion(appVersionText);
    QGuiApplication::setDesktopFileName("org.quillbyte.TallyburrowClass");
    // The language is known before the command line is read, so its help and errors speak it.
    const QString spoken = chooseLanguage(languageAskedIn(QApplication::arguments()),
                                          QLocale::system().uiLanguages(), programLanguages());
    installTranslations(app, spoken);
    setUpProgramFont(!spoken.isEmpty());

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Shows every child of a Tallyburrow data folder in one table: tests taken, first and "
        "last test date, the latest and best percent correct of each kind, and how many facts "
        "of each operation the child knows. Only reads the folder."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption folder(
        "folder",
        QCoreApplication::translate("CommandLine",
                                    "Read the child files of <folder> (default: %1).")
            .arg(usualDataFolder()),
        QCoreApplication::translate("CommandLine", "folder"), usualDataFolder());
    parser.addOption(folder);
    const QCommandLineOption language(
        "language",
        QCoreApplication::translate("CommandLine",
                                    "Speak this language (de, es, fr or en) instead of the "
                                    "desktop's."),
        QCoreApplication::translate("CommandLine", "code"));
    parser.addOption(language);
    parser.process(app);

    OverviewWindow window(QDir(parser.value(folder)).absolutePath());
    window.show();
    return QApplication::exec();
}
