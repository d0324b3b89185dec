// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <filesystem>
#include <vector>

// Little-endian fields and whole-file writes, the same on every platform.

void putLe16(unsigned char* out, std::uint16_t value);
std::uint16_t getLe16(const unsigned char* in);
void appendLe32(std::vector<unsigned char>& out, std::int32_t value);

// Reads fields from a byte buffer; reads past the end give the fallback value.
class ByteReader {
public:
    ByteReader(const std::vector<unsigned char>& bytes, std::size_t offset)
        : bytes_(bytes), offset_(offset) {}
    std::int32_t readLe32Or(std::int32_t fallback);

private:
    const std::vector<unsigned char>& bytes_;
    std::size_t offset_;
};

// Whether a write reached the disk, and why not when it did not.
struct WriteOutcome {
    bool written = false;
    QString reason; // a short text for a message when not written

    explicit operator bool() const { return written; }
};

// Writes the bytes through a unique temporary file beside the target (flushed to the disk,
// its close checked) renamed over the target, then flushes the folder: a crash or a full
// disk at any moment leaves either the old file or the new one, never a torn file.
WriteOutcome writeFileAtomically(const std::filesystem::path& target,
                                 const std::vector<unsigned char>& bytes);
