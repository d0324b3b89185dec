#include "app/DataFolder.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {
bool hasStudentExtension(const fs::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".sbk";
}

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool writeText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

void readOrCreateSettings(const DataFolder& data, Settings& settings) {
    std::error_code error;
    if (fs::exists(data.settingsPath, error)) {
        std::ifstream in(data.settingsPath, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        const std::size_t start = text.find_first_not_of(" \t\r\n");
        settings.highestTestId =
            start == std::string::npos ? 0 : textToNumber(std::string_view(text).substr(start));
        settings.settingsDirty = false;
        return;
    }
    settings.testIdBeingPrinted = 0;
    writeText(data.settingsPath, settingsLine(settings.highestTestId));
    settings.settingsDirty = true;
}
} // namespace

std::vector<std::string> listStudentNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error) || !hasStudentExtension(it->path())) {
            continue;
        }
        const std::string fileName = utf8(it->path().filename());
        const std::string name = fileName.substr(0, fileName.find('.'));
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
    }
    return names;
}

std::string settingsLine(std::int32_t highestTestId) {
    return numberWithSign(highestTestId) + " \r\n";
}

void initDataFolder(const fs::path& folder, DataFolder& data, Settings& settings) {
    data.folder = folder;
    std::error_code error;
    if (fs::is_directory(folder, error)) {
        data.studentNames = listStudentNames(folder);
    } else {
        fs::create_directories(folder, error);
        data.studentNames.clear();
    }
    data.settingsPath = folder / settingsFileName;
    readOrCreateSettings(data, settings);
    data.helpPath = folder / helpFileName;
}

bool helpFileExists(const DataFolder& data) {
    std::error_code error;
    return fs::is_regular_file(data.helpPath, error);
}

void saveSettingsIfDirty(const DataFolder& data, const Settings& settings) {
    if (settings.settingsDirty) {
        writeText(data.settingsPath, settingsLine(settings.highestTestId));
    }
}
