// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/BinaryIo.h"

#include <QtEndian>

void putLe16(unsigned char* out, std::uint16_t value) {
    qToLittleEndian(value, out);
}

std::uint16_t getLe16(const unsigned char* in) {
    return qFromLittleEndian<std::uint16_t>(in);
}

void appendLe32(std::vector<unsigned char>& out, std::int32_t value) {
    unsigned char bytes[4];
    qToLittleEndian(value, bytes);
    out.insert(out.end(), bytes, bytes + 4);
}

std::int32_t ByteReader::readLe32Or(std::int32_t fallback) {
    if (offset_ + 4 > bytes_.size()) {
        offset_ = bytes_.size();
        return fallback;
    }
    const auto value = qFromLittleEndian<std::int32_t>(bytes_.data() + offset_);
    offset_ += 4;
    return value;
}
