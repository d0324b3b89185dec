// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentFolder.h"

#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace {
std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path fromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

bool hasStudentExtension(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot != std::string::npos &&
           QString::fromStdString(fileName.substr(dot)).compare(".sbk", Qt::CaseInsensitive) == 0;
}

// The names of the regular files of the folder that carry the extension.
std::vector<std::string> studentFileNames(const fs::path& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string fileName = utf8(it->path().filename());
        if (it->is_regular_file(error) && hasStudentExtension(fileName)) {
            files.push_back(fileName);
        }
    }
    return files;
}
} // namespace

std::vector<std::string> listStudentNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const std::string& fileName : studentFileNames(folder)) {
        const std::string name = fileName.substr(0, fileName.find('.'));
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
    }
    return names;
}

fs::path studentFilePath(const fs::path& folder, const std::string& name) {
    const fs::path usual = folder / fromUtf8(name + ".sbk");
    std::error_code error;
    if (fs::exists(fs::symlink_status(usual, error))) {
        return usual;
    }
    for (const std::string& fileName : studentFileNames(folder)) {
        if (fileName.size() == name.size() + 4 && fileName.starts_with(name)) {
            return folder / fromUtf8(fileName);
        }
    }
    return usual;
}

QString displayName(const std::string& nameBytes) {
    // Stateless: a name that ends part-way through a UTF-8 sequence ("Zo\xeb") is an error
    // too, not a sequence to be continued by more bytes.
    QStringDecoder utf8Decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8Decoder(QByteArrayView(nameBytes.data(), qsizetype(nameBytes.size())));
    return utf8Decoder.hasError()
               ? QString::fromLatin1(nameBytes.data(), qsizetype(nameBytes.size()))
               : text;
}
