#include "records/BinaryIo.h"

#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

void putLe16(unsigned char* out, std::uint16_t value) {
    out[0] = static_cast<unsigned char>(value & 0xFF);
    out[1] = static_cast<unsigned char>(value >> 8);
}

std::uint16_t getLe16(const unsigned char* in) {
    return static_cast<std::uint16_t>(in[0] | (in[1] << 8));
}

void appendLe32(std::vector<unsigned char>& out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>((bits >> shift) & 0xFF));
    }
}

std::int32_t ByteReader::readLe32Or(std::int32_t fallback) {
    if (offset_ + 4 > bytes_.size()) {
        offset_ = bytes_.size();
        return fallback;
    }
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(bytes_[offset_ + i]) << (8 * i);
    }
    offset_ += 4;
    return static_cast<std::int32_t>(bits);
}

bool writeFileAtomically(const fs::path& target, const std::vector<unsigned char>& bytes) {
    fs::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}
