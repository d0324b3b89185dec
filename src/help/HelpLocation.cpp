// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpLocation.h"

#include "help/HelpFile.h"

#include <QCoreApplication>
#include <QDir>

namespace {

constexpr char shippedHelpName[] = "tallyburrow.ahp";

} // namespace

std::filesystem::path installedHelpFilePath() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const std::filesystem::path beside =
        programFolder.filePath(QLatin1String(shippedHelpName)).toStdU16String();
    const std::filesystem::path installed =
        QDir::cleanPath(programFolder.filePath(QStringLiteral(TB_HELP_FROM_PROGRAM "/") +
                                               QLatin1String(shippedHelpName)))
            .toStdU16String();
    if (!HelpFile::exists(beside) && HelpFile::exists(installed)) {
        return installed;
    }
    return beside;
}
