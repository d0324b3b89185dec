// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentFile.h"
#include "records/Settings.h"
#include "records/StudentSession.h"

#include "support/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// A file written field by field: the magic, the six values, then (when a count is given)
// the count and the records.
std::vector<unsigned char> fileBytes(std::array<std::int32_t, 6> values,
                                     std::optional<std::int32_t> count = std::nullopt,
                                     const std::vector<ScoreRecord>& records = {}) {
    std::vector<unsigned char> bytes(studentFileMagic, studentFileMagic + 11);
    auto put = [&bytes](std::int32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> shift));
        }
    };
    std::for_each(values.begin(), values.end(), put);
    if (count) {
        put(*count);
        for (const ScoreRecord& r : records) {
            const auto encoded = encodeScoreRecord(r);
            bytes.insert(bytes.end(), encoded.begin(), encoded.end());
        }
    }
    return bytes;
}

const std::array<std::int32_t, 6> fresh = {12, 12, 12, 12, 0, 0};

std::vector<ScoreRecord> records(int first, int count) {
    std::vector<ScoreRecord> list;
    for (int i = 0; i < count; ++i) {
        list.push_back(ScoreRecord{static_cast<std::uint16_t>(first + i), 1, 1, 10, 5});
    }
    return list;
}

// What a path is on the disk: an atomic save gives it a new inode.
std::pair<ino_t, mode_t> identity(const fs::path& path) {
    struct stat info {};
    lstat(path.c_str(), &info);
    return {info.st_ino, info.st_mode};
}
} // namespace

TEST(ScoreRecordBytes, LittleEndianWithoutPadding) {
    const ScoreRecord record{13423, 7, 0, 70, -2};
    const auto bytes = encodeScoreRecord(record);
    EXPECT_EQ(bytes, (std::array<unsigned char, 8>{0x6F, 0x34, 7, 0, 70, 0, 0xFE, 0xFF}));
    EXPECT_EQ(decodeScoreRecord(bytes.data()), record);
}

// What a file gives, and what the next save writes back (empty: the bytes as they were).
TEST(StudentFile, ReadsWhatTheFileHoldsAndWritesItBack) {
    auto cut = fileBytes({20, 30, 12, 12, 0, 0});
    cut.resize(17); // magic, addSubHigh and half of mulDivHigh
    auto torn = fileBytes(fresh, 1'000'000, records(1, 2));
    torn.push_back(0x55);
    const auto two = fileBytes({15, 10, 20, 8, 3, 7}, 2, records(5, 2));
    const auto many = fileBytes(fresh, 1200, records(0, 1200));
    const auto one = fileBytes(fresh, 1, records(7, 1));
    const struct {
        const char* what;
        std::array<std::int32_t, 4> values; // addSubHigh, mulDivHigh, mixedHigh, lastLearnOp
        std::size_t results;
        std::vector<unsigned char> bytes, saved;
        const char* file = "Kid.sbk";
    } cases[] = {
        {"new child", {12, 12, 12, 0}, 0, {}, fileBytes(fresh)},
        {"values and two results", {15, 10, 15, 3}, 2, two, {}},
        {"ends at offset 35", {9, 9, 9, 1}, 0, fileBytes({9, 9, 9, 9, 1, 3}), {}},
        {"count 0, no results", {12, 12, 12, 0}, 0, fileBytes(fresh, 0), {}},
        {"header cut short", {20, 12, 20, 0}, 0, cut, fileBytes({20, 12, 12, 12, 0, 0})},
        {"count < 0", {12, 12, 12, 0}, 0, fileBytes(fresh, -5, records(1, 1)), fileBytes(fresh, 0)},
        {"count beyond the bytes", {12, 12, 12, 0}, 2, torn, fileBytes(fresh, 2, records(1, 2))},
        {"1200 results", {12, 12, 12, 0}, 1000, many, fileBytes(fresh, 1000, records(0, 1000))},
        // copied from a FAT stick: the file found is the one read and written, under its name
        {"upper-case extension", {12, 12, 12, 0}, 1, one, {}, "Kid.SBK"}};
    for (const auto& c : cases) {
        TempFolder folder;
        writeBytes(folder.path() / c.file, c.bytes);
        StudentRecord student;
        EXPECT_EQ(loadStudentFile(student, folder.path(), "Kid").status, ReadStatus::Loaded);
        EXPECT_EQ(student.path, folder.path() / c.file);
        EXPECT_EQ((std::array{student.addSubHigh, student.mulDivHigh, student.mixedHigh,
                              student.lastLearnOp}),
                  c.values)
            << c.what;
        EXPECT_EQ(student.history.size(), c.results) << c.what;
        ASSERT_TRUE(saveStudentFile(student)) << c.what;
        EXPECT_EQ(readBytes(folder.path() / c.file), c.saved.empty() ? c.bytes : c.saved) << c.what;
    }
}

// A new child's file is made empty at once (listed next run); results and a Learn choice
// made after them are saved in it.
TEST(StudentFile, NewChildIsCreatedEmptyAndGetsItsResults) {
    TempFolder folder;
    StudentRecord student;
    EXPECT_EQ(loadStudentFile(student, folder.path(), "Ann").status, ReadStatus::Missing);
    EXPECT_EQ(fs::file_size(folder.path() / "Ann.sbk"), 0u);
    appendScore(student, 13423, 1, 1, 12, 11);
    noteLearnChoice(student, 2, 5); // a later Learn choice leaves the results to be asked about
    ASSERT_TRUE(saveStudentFile(student));
    EXPECT_EQ(readBytes(student.path),
              fileBytes({12, 12, 12, 12, 2, 5}, 1, {ScoreRecord{13423, 1, 1, 12, 11}}));
}

// A file that exists but cannot be read, or that the program did not write, is a defined
// outcome, never a crash or a hang, and it is never written over, also when the run goes on.
// The results still whole behind a damaged start are shown.
TEST(StudentFile, AFileThatCannotBeReadIsNeverReplaced) {
    auto damaged = [](std::function<void(std::vector<unsigned char>&)> harm) {
        return [harm](const fs::path& p) {
            auto bytes = fileBytes(fresh, 3, records(1, 3));
            harm(bytes);
            writeBytes(p, bytes);
        };
    };
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
        ReadStatus status;
        std::size_t recovered = 0;
    } cases[] = {
        {"zeroed magic", damaged([](auto& b) { std::fill_n(b.begin(), 11, 0); }),
         ReadStatus::Damaged, 3},
        {"magic in lower case", damaged([](auto& b) { b[0] = 't'; }), ReadStatus::Damaged, 3},
        {"47 zero bytes", damaged([](auto& b) { std::fill_n(b.begin(), 47, 0); }),
         ReadStatus::Damaged, 2},
        {"junk", [](const fs::path& p) { writeBytes(p, std::vector<unsigned char>(100, 0xAB)); },
         ReadStatus::Damaged},
        {"link to another file",
         [](const fs::path& p) {
             writeBytes(p.parent_path() / "victim", {1, 2, 3});
             fs::create_symlink(p.parent_path() / "victim", p);
         },
         ReadStatus::NotAFile},
        {"folder", [](const fs::path& p) { fs::create_directory(p); }, ReadStatus::NotAFile},
        {"FIFO", [](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); },
         ReadStatus::NotAFile},
        // A link to a null device of the test's own: a faulty save as root must never reach
        // the system's devices, and a faulty read of it ends at once.
        {"link to a device",
         [](const fs::path& p) {
             const fs::path own = p.parent_path() / "null";
             const bool made = mknod(own.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
             fs::create_symlink(made ? own : fs::path("/dev/null"), p);
         },
         ReadStatus::NotAFile},
        {"too large",
         [](const fs::path& p) {
             writeBytes(p, {});
             fs::resize_file(p, 1 << 20);
         },
         ReadStatus::TooLarge},
        // Mode 000 in a folder anyone may write to: the load and the saves run as "nobody",
        // since root reads any file.
        {"no read permission",
         [](const fs::path& p) {
             writeBytes(p, fileBytes(fresh, 500, records(1, 500)));
             fs::permissions(p, fs::perms::none);
             fs::permissions(p.parent_path(), fs::perms::all);
         },
         ReadStatus::Unreadable}};
    for (const auto& c : cases) {
        TempFolder folder;
        const fs::path path = folder.path() / "Kid.sbk";
        c.make(path);
        const auto before = identity(path);
        const bool plainFile = fs::is_regular_file(fs::symlink_status(path));
        const auto bytesBefore = plainFile ? readBytes(path) : std::vector<unsigned char>{};
        const bool asNobody = c.status == ReadStatus::Unreadable && geteuid() == 0;
        ASSERT_TRUE(!asNobody || seteuid(65534) == 0);
        StudentRecord student;
        const ReadOutcome read = loadStudentFile(student, folder.path(), "Kid");
        EXPECT_EQ(read.status, c.status) << c.what;
        EXPECT_FALSE(read.reason.isEmpty()) << c.what;
        EXPECT_EQ(student.history.size(), c.recovered) << c.what;
        appendScore(student, 1, 1, 1, 1, 1);
        EXPECT_FALSE(saveStudentFile(student)) << c.what;
        if (c.status == ReadStatus::NotAFile) { // the writer's own guard, under the checks above
            EXPECT_FALSE(writeFileAtomically(path, std::vector<unsigned char>{1, 2})) << c.what;
        }
        ASSERT_TRUE(!asNobody || seteuid(0) == 0);
        EXPECT_EQ(identity(path), before) << c.what;
        EXPECT_EQ(plainFile ? readBytes(path) : bytesBefore, bytesBefore) << c.what;
        if (fs::exists(folder.path() / "victim")) {
            EXPECT_EQ(readBytes(folder.path() / "victim"), (std::vector<unsigned char>{1, 2, 3}));
        }
    }
}

// Two copies on one child, each adding results: whichever quits last keeps the other's, in
// the order they were saved. A file replaced meanwhile by one the program did not write is
// left as it is.
TEST(StudentFile, TwoCopiesKeepEachOthersResults) {
    const struct {
        int secondSaves; // 0: before the first copy, 1: after it, 2: never (junk replaces the file)
        std::vector<int> dates;
        int addSubHigh;
    } cases[] = {{0, {1, 2, 200, 201, 100, 101, 102}, 20},
                 {1, {1, 2, 100, 101, 102, 200, 201}, 20},
                 {2, {}, 12}};
    for (const auto& c : cases) {
        TempFolder folder;
        writeBytes(folder.path() / "Kid.sbk", fileBytes(fresh, 2, records(1, 2)));
        StudentRecord first;
        StudentRecord second;
        loadStudentFile(first, folder.path(), "Kid");
        loadStudentFile(second, folder.path(), "Kid");
        for (std::uint16_t date : {100, 101, 102}) {
            appendScore(first, date, 1, 1, 10, 5);
        }
        for (std::uint16_t date : {200, 201}) {
            appendScore(second, date, 1, 1, 10, 5);
        }
        second.addSubHigh = 20; // changed in the second copy only
        noteLearnChoice(first, 3, 4);
        if (c.secondSaves == 0) {
            ASSERT_TRUE(saveStudentFile(second));
        } else if (c.secondSaves == 2) {
            writeBytes(first.path, std::vector<unsigned char>(50, 0xAB));
        }
        ASSERT_EQ(static_cast<bool>(saveStudentFile(first)), c.secondSaves != 2);
        if (c.secondSaves == 1) {
            ASSERT_TRUE(saveStudentFile(second));
        }
        StudentRecord merged;
        loadStudentFile(merged, folder.path(), "Kid");
        std::vector<int> dates;
        for (const ScoreRecord& r : merged.history) {
            dates.push_back(r.date);
        }
        EXPECT_EQ(dates, c.dates) << c.secondSaves;
        EXPECT_EQ(merged.addSubHigh, c.addSubHigh);
        EXPECT_EQ(merged.lastLearnOp, c.secondSaves == 2 ? 0 : 3);
    }
}

// A full disk: the save fails, says so, and the old file stays whole; a first run leaves no
// empty settings file. A small tmpfs mounted over the folder needs root.
TEST(StudentFile, AFullDiskLeavesTheOldFile) {
    TempFolder disk;
    if (geteuid() != 0 ||
        std::system(("mount -t tmpfs -o size=64k tmpfs " + disk.path().string()).c_str()) != 0) {
        GTEST_SKIP() << "a small tmpfs needs root and mount: the full disk is not tested";
    }
    const auto old = fileBytes(fresh, 3, records(1, 3));
    writeBytes(disk.path() / "Kid.sbk", old);
    StudentRecord student;
    loadStudentFile(student, disk.path(), "Kid");
    writeBytes(disk.path() / "filler", std::vector<unsigned char>(64 * 1024, 1)); // what is left
    Settings settings;
    readOrCreateSettings(disk.path() / settingsFileName, settings);
    EXPECT_FALSE(fs::exists(disk.path() / settingsFileName));
    student.history = records(1, 1000);
    const WriteOutcome saved = saveStudentFile(student);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(saved.reason.isEmpty());
    EXPECT_EQ(readBytes(disk.path() / "Kid.sbk"), old);
    std::system(("umount " + disk.path().string()).c_str());
}
