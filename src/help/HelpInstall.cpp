#include "help/HelpInstall.h"

#include "help/HelpFile.h"

bool installHelpFileIfMissing(const std::filesystem::path& helpPath,
                              const std::filesystem::path& installedCopy) {
    std::error_code error;
    if (std::filesystem::exists(helpPath, error) || !HelpFile::exists(installedCopy)) {
        return false;
    }
    if (helpPath.has_parent_path()) {
        std::filesystem::create_directories(helpPath.parent_path(), error);
    }
    std::filesystem::path partial = helpPath;
    partial += ".part";
    std::filesystem::copy_file(installedCopy, partial,
                               std::filesystem::copy_options::overwrite_existing, error);
    if (!error) {
        std::filesystem::rename(partial, helpPath, error);
    }
    if (error) {
        std::filesystem::remove(partial, error);
        return false;
    }
    return true;
}
