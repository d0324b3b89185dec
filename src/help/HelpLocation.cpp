#include "help/HelpLocation.h"

#include "help/HelpFile.h"

#include <QCoreApplication>

namespace {

constexpr char shippedHelpName[] = "tallyburrow.ahp";

} // namespace

std::filesystem::path installedHelpFilePath() {
    const std::filesystem::path programFolder =
        QCoreApplication::applicationDirPath().toStdU16String();
    const std::filesystem::path beside = programFolder / shippedHelpName;
    const std::filesystem::path shared =
        programFolder.parent_path() / "share" / "tallyburrow" / shippedHelpName;
    if (!HelpFile::exists(beside) && HelpFile::exists(shared)) {
        return shared;
    }
    return beside;
}
