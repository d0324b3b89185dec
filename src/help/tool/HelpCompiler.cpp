// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the program's help file from its readable source, or lists a help file as source.
//   tallyburrow-helpc <source.txt> <output.ahp>
//   tallyburrow-helpc --list <file.ahp>

#include "help/HelpFile.h"
#include "help/HelpSource.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace {

int usage() {
    std::cerr << "usage: tallyburrow-helpc <source.txt> <output.ahp>\n"
                 "       tallyburrow-helpc --list <file.ahp>\n";
    return 2;
}

int listHelpFile(const std::string& path) {
    const HelpLoadResult loaded = HelpFile::loadFollowingLinks(path);
    if (loaded.notice) {
        std::cerr << path << ": " << loaded.notice->text << "\n";
        return 1;
    }
    std::cout << helpSourceText(loaded.topics);
    return 0;
}

int compileHelpFile(const std::string& sourcePath, const std::string& outputPath) {
    std::ifstream in(sourcePath, std::ios::binary);
    if (!in) {
        std::cerr << sourcePath << ": cannot be read\n";
        return 1;
    }
    const std::string source(std::istreambuf_iterator<char>(in), {});
    const HelpSourceResult parsed = parseHelpSource(source);
    if (!parsed.error.empty()) {
        std::cerr << sourcePath << ": " << parsed.error << "\n";
        return 1;
    }
    const auto bytes = encodeHelpFile(parsed.topics);
    std::ofstream out(outputPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << outputPath << ": cannot be written\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return usage();
    }
    const std::string first = argv[1];
    if (first == "--list") {
        return listHelpFile(argv[2]);
    }
    return compileHelpFile(first, argv[2]);
}
