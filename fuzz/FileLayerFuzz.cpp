// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer under every reader and writer. The first byte picks what lies at the path
// read (a file, a link to a file, a FIFO, a file over the cap, a link to a device); the rest
// is the file's content. The reads must agree with what lies there and never block, and a
// whole-file write must read back the same and never write where a link points.
#include "FuzzCheck.h"
#include "common/FileRead.h"
#include "common/FileWrite.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

enum Entry { PlainFile, LinkToFile, Fifo, OverTheCap, LinkToDevice, entryCount };

// One folder for the whole run, in memory where there is such a place (the writes flush to
// the disk), removed at the end.
class Scratch {
public:
    Scratch() {
        const fs::path base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
        std::string name = (base / "tallyburrow-fuzz-XXXXXX").string();
        FUZZ_CHECK(mkdtemp(name.data()) != nullptr);
        path_ = name;
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void put(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(out.good());
}

std::size_t entriesIn(const fs::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

// What a read of the entry gives, with any cap at least the content's size.
ReadStatus expected(Entry entry, bool followLinks) {
    switch (entry) {
    case PlainFile:
        return ReadStatus::Loaded;
    case LinkToFile:
        return followLinks ? ReadStatus::Loaded : ReadStatus::NotAFile;
    default:
        return ReadStatus::NotAFile;
    }
}

void checkRead(const ReadOutcome& read, const Bytes& content, std::int64_t cap) {
    if (read.status == ReadStatus::Loaded) {
        FUZZ_CHECK(read.bytes == content);
        FUZZ_CHECK(static_cast<std::int64_t>(read.bytes.size()) <= cap);
    } else {
        FUZZ_CHECK(read.bytes.empty() && !read.reason.isEmpty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Scratch scratch;
    const fs::path& folder = scratch.path();
    std::error_code ignored;
    for (const char* name : {"file", "entry", "new"}) {
        fs::remove(folder / name, ignored);
    }
    const auto entry = static_cast<Entry>(size > 0 ? data[0] % entryCount : 0);
    const Bytes content(size > 0 ? data + 1 : data, data + size);
    const auto cap = static_cast<std::int64_t>(
        entry == OverTheCap ? content.size() / 2 : content.size() + (size > 0 ? data[0] : 0));

    const fs::path file = folder / "file";
    const fs::path path = folder / "entry";
    put(file, content);
    switch (entry) {
    case PlainFile:
    case OverTheCap:
        put(path, content);
        break;
    case LinkToFile:
        fs::create_symlink(file, path);
        break;
    case Fifo:
        FUZZ_CHECK(mkfifo(path.c_str(), 0600) == 0);
        break;
    default:
        fs::create_symlink("/dev/zero", path);
        break;
    }

    const EntryKind kind = entryKind(path);
    FUZZ_CHECK(kind == (entry == LinkToFile || entry == LinkToDevice ? EntryKind::Link
                        : entry == Fifo                              ? EntryKind::Other
                                                                     : EntryKind::File));
    const ReadOutcome whole = readWholeFile(path, cap);
    const ReadOutcome own = readDataFile(path, cap);
    checkRead(whole, content, cap);
    checkRead(own, content, cap);
    if (entry == OverTheCap) {
        const auto status = static_cast<std::int64_t>(content.size()) > cap ? ReadStatus::TooLarge
                                                                            : ReadStatus::Loaded;
        FUZZ_CHECK(whole.status == status && own.status == status);
    } else {
        FUZZ_CHECK(whole.status == expected(entry, true));
        FUZZ_CHECK(own.status == expected(entry, false));
    }
    FUZZ_CHECK(readDataFile(folder / "missing", cap).status == ReadStatus::Missing);

    // A write over a file replaces it; over anything else it is refused and changes nothing,
    // also where a link points. No temporary file is left behind either way.
    const Bytes reversed(content.rbegin(), content.rend());
    const WriteOutcome over = writeFileAtomically(path, reversed);
    FUZZ_CHECK(over.written == (kind == EntryKind::File));
    FUZZ_CHECK(entryKind(path) == kind);
    const ReadOutcome after = readDataFile(kind == EntryKind::File ? path : file, size);
    FUZZ_CHECK(after.status == ReadStatus::Loaded);
    FUZZ_CHECK(after.bytes == (kind == EntryKind::File ? reversed : content));

    FUZZ_CHECK(writeFileAtomically(folder / "new", content).written);
    const ReadOutcome again = readDataFile(folder / "new", static_cast<std::int64_t>(size));
    FUZZ_CHECK(again.status == ReadStatus::Loaded && again.bytes == content);
    FUZZ_CHECK(entriesIn(folder) == 3);
    return 0;
}
