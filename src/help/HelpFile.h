// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// One topic of the help file: its text and title (Windows-1252 bytes, lines of the text
// separated by CR LF) and its level (0 for a top-level topic, anything else a sub-topic).
struct HelpTopic {
    std::string text;
    std::string title;
    std::int32_t level = 0;
};

// A message the viewer shows instead of a window, under the title "Help File" with an
// information icon.
struct HelpNotice {
    std::string text;
    std::string title;
};

inline constexpr char helpNoticeTitle[] = "Help File";
inline constexpr char noHelpAvailableText[] = "No help available";
inline constexpr char noHelpContentText[] = "No help content";

// The topics read from a help file, or the notice to show when there are none.
struct HelpLoadResult {
    std::vector<HelpTopic> topics; // topic 1 is topics[0]
    std::optional<HelpNotice> notice;
};

// Reads help files: a 32-bit topic count, then all texts, all titles (each a 16-bit length
// and its bytes) and all levels (32-bit each), little-endian. A short file never fails:
// what is missing reads as zero bytes.
class HelpFile {
public:
    // True when a file (not a folder) lies at the path.
    static bool exists(const std::filesystem::path& path);

    // The topics of the file at the path. A missing file gives "No help available"; a file
    // that cannot be read, or whose count is 0 or negative, gives "No help content".
    static HelpLoadResult load(const std::filesystem::path& path);

    // The topics held by the bytes of a help file.
    static HelpLoadResult parse(const std::vector<unsigned char>& bytes);

    // The largest topic count a file of this many bytes can hold (at least 1): a complete
    // topic takes 8 bytes besides the 4 of the count.
    static std::int64_t countLimitForSize(std::size_t fileSize);
};
