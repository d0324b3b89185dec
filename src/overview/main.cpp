// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Version.h"
#include "overview/OverviewWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
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
    parser.process(app);

    OverviewWindow window(QDir(parser.value(folder)).absolutePath());
    window.show();
    return QApplication::exec();
}
