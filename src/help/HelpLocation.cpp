// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpLocation.h"

#include "help/HelpFile.h"
#include "help/HelpLanguage.h"

#include <QCoreApplication>
#include <QDir>

namespace {

constexpr char shippedHelpName[] = "tallyburrow.ahp";

} // namespace

std::filesystem::path installedHelpFilePath(const std::string& language) {
    const QString name =
        QString::fromStdU16String(helpFileOfLanguage(shippedHelpName, language).u16string());
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const std::filesystem::path beside = programFolder.filePath(name).toStdU16String();
    const std::filesystem::path installed =
        QDir::cleanPath(programFolder.filePath(QStringLiteral(TB_HELP_FROM_PROGRAM "/") + name))
            .toStdU16String();
    if (!HelpFile::exists(beside) && HelpFile::exists(installed)) {
        return installed;
    }
    return beside;
}
