// SPDX-License-Identifier: GPL-3.0-or-later
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

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Shows every child of a Tallyburrow data folder in one table: tests taken, first and "
        "last test date, the latest and best percent correct of each kind, and how many facts "
        "of each operation the child knows. Only reads the folder.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption folder(
        "folder", "Read the child files of <folder> (default: " + usualDataFolder() + ").",
        "folder", usualDataFolder());
    parser.addOption(folder);
    const QCommandLineOption language(
        "language", "Speak this language (de, es, fr or en) instead of the desktop's.", "code");
    parser.addOption(language);
    parser.process(app);
    // The command line is read in English: the language is known only once it is read.
    installTranslations(app, chooseLanguage(parser.value(language), QLocale::system().uiLanguages(),
                                            programLanguages()));

    OverviewWindow window(QDir(parser.value(folder)).absolutePath());
    window.show();
    return QApplication::exec();
}
