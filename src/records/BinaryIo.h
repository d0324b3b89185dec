// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileWrite.h"

#include <cstdint>
#include <filesystem>
#include <vector>

// Little-endian fields, the same on every platform.

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
