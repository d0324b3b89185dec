// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TempFolder.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

// A small tmpfs to fill up, mounted when the test runs as root; removed when the test ends.
class SmallDisk {
public:
    explicit SmallDisk(int kilobytes) : path_(folder_.path() / "disk") {
        std::filesystem::create_directory(path_);
        mounted_ = geteuid() == 0 && run("mount -t tmpfs -o size=" + std::to_string(kilobytes) +
                                         "k tmpfs " + path_.string() + " 2>/dev/null");
    }
    ~SmallDisk() {
        if (mounted_) {
            run("umount " + path_.string());
        }
    }
    bool mounted() const { return mounted_; }
    const std::filesystem::path& path() const { return path_; }

    // Fills what is left with a file of the given size.
    void fill(std::size_t bytes) const {
        writeBytes(path_ / "filler", std::vector<unsigned char>(bytes, 1));
    }

private:
    static bool run(const std::string& command) { return std::system(command.c_str()) == 0; }

    TempFolder folder_;
    std::filesystem::path path_;
    bool mounted_ = false;
};

#define SKIP_WITHOUT_SMALL_DISK(disk)                                                              \
    if (!(disk).mounted())                                                                         \
    GTEST_SKIP() << "a small tmpfs needs root and mount: the full disk is not tested"
