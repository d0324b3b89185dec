// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpFile.h"

#include "common/FileRead.h"

#include <algorithm>
#include <new>

namespace {
// Reads the help file's bytes in order; a read past the end yields zero bytes, so missing
// bytes of a number count as 0 and missing bytes of a text as NUL characters.
class ByteReader {
public:
    explicit ByteReader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

    std::uint32_t readUnsigned(int width) {
        std::uint32_t value = 0;
        for (int index = 0; index < width; ++index) {
            value |= static_cast<std::uint32_t>(nextByte()) << (8 * index);
        }
        return value;
    }

    std::string readString() {
        const auto length = readUnsigned(2);
        std::string text(length, '\0');
        for (char& byte : text) {
            byte = static_cast<char>(nextByte());
        }
        return text;
    }

private:
    unsigned char nextByte() { return position_ < bytes_.size() ? bytes_[position_++] : 0; }

    const std::vector<unsigned char>& bytes_;
    std::size_t position_ = 0;
};

HelpLoadResult noContent() {
    return HelpLoadResult{{}, HelpNotice{noHelpContentText, helpNoticeTitle}};
}

// Turns what was read into topics or the notice. Running out of memory is one more way a help
// file can be unreadable: it must never end the program and lose the session's results.
HelpLoadResult loaded(const ReadOutcome& read) {
    if (read.status == ReadStatus::Missing || read.status == ReadStatus::NotAFile) {
        return HelpLoadResult{{}, HelpNotice{noHelpAvailableText, helpNoticeTitle}};
    }
    if (read.status != ReadStatus::Loaded) {
        return noContent();
    }
    try {
        return HelpFile::parse(read.bytes);
    } catch (const std::bad_alloc&) {
        return noContent();
    }
}

} // namespace

bool HelpFile::exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool HelpFile::isDataFile(const std::filesystem::path& path) {
    return entryKind(path) == EntryKind::File;
}

std::int64_t HelpFile::countLimitForSize(std::size_t fileSize) {
    const auto bodySize = fileSize > 4 ? fileSize - 4 : 0;
    return std::max<std::int64_t>(1, static_cast<std::int64_t>(bodySize / 8));
}

HelpLoadResult HelpFile::parse(const std::vector<unsigned char>& bytes) {
    ByteReader reader(bytes);
    const auto count = static_cast<std::int32_t>(reader.readUnsigned(4));
    if (count <= 0) {
        return noContent();
    }
    const std::int64_t topicCount = std::min<std::int64_t>(count, countLimitForSize(bytes.size()));
    if (topicCount > maxTopics) {
        return noContent();
    }
    HelpLoadResult result;
    result.topics.resize(static_cast<std::size_t>(topicCount));
    for (auto& topic : result.topics) {
        topic.text = reader.readString();
    }
    for (auto& topic : result.topics) {
        topic.title = reader.readString();
    }
    for (auto& topic : result.topics) {
        topic.level = static_cast<std::int32_t>(reader.readUnsigned(4));
    }
    return result;
}

HelpLoadResult HelpFile::load(const std::filesystem::path& path) {
    return loaded(readDataFile(path, maxFileBytes));
}

HelpLoadResult HelpFile::loadFollowingLinks(const std::filesystem::path& path) {
    return loaded(readWholeFile(path, maxFileBytes));
}
