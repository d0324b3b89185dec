// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

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
// information icon. Its texts are the English ones below, marked for the catalogue under
// "HelpFile" and translated where the message is shown.
struct HelpNotice {
    std::string text;
    std::string title;
};

inline constexpr char helpNoticeTitle[] = QT_TRANSLATE_NOOP("HelpFile", "Help File");
inline constexpr char noHelpAvailableText[] = QT_TRANSLATE_NOOP("HelpFile", "No help available");
inline constexpr char noHelpContentText[] = QT_TRANSLATE_NOOP("HelpFile", "No help content");

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
    // Tens of times the size of the program's own help file, and still read at once.
    static constexpr std::int64_t maxFileBytes = 64 * 1024 * 1024;

    // Hundreds of times the topics of the program's own help file (24). Every topic becomes a
    // row of the help window's tree, so a file of millions of tiny topics would take minutes
    // and gigabytes to show: a file with more topics is refused as one without content.
    static constexpr std::int64_t maxTopics = 10000;

    // True when a file (not a folder) lies at the path; a link to one counts.
    static bool exists(const std::filesystem::path& path);

    // True when a regular file lies at the path itself: a link, folder, FIFO or device does
    // not count. This is what makes the data folder's help file usable.
    static bool isDataFile(const std::filesystem::path& path);

    // The topics of the data folder's help file at the path. A missing file, or a link,
    // folder, FIFO or device in its place, gives "No help available"; a file that cannot be
    // read, is larger than maxFileBytes, holds more than maxTopics topics or a count of 0 or
    // less, or runs the program out of memory, gives "No help content". Never throws.
    static HelpLoadResult load(const std::filesystem::path& path);

    // The same for a help file anywhere (the help compiler's listing): a link is followed.
    static HelpLoadResult loadFollowingLinks(const std::filesystem::path& path);

    // The topics held by the bytes of a help file; more than maxTopics give "No help content".
    static HelpLoadResult parse(const std::vector<unsigned char>& bytes);

    // The largest topic count a file of this many bytes can hold (at least 1): a complete
    // topic takes 8 bytes besides the 4 of the count.
    static std::int64_t countLimitForSize(std::size_t fileSize);
};
