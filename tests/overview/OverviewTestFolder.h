// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentFile.h"
#include "report/ReportTestData.h"
#include "support/TempFolder.h"

#include <QString>

// A class folder made for the tests: children with every kind of result, a damaged file, a
// child with no results, a file cut short, a folder in place of a file, and names a CSV
// must quote or guard.
inline std::uint16_t inMarch(int day) {
    return static_cast<std::uint16_t>((2026 - 1980) * 512 + 3 * 32 + day);
}

inline std::vector<unsigned char> childBytes(std::vector<ScoreRecord> history,
                                             bool withCount = true) {
    StudentRecord student;
    student.addSubHigh = student.mulDivHigh = student.addSubPerMin = student.mulDivPerMin = 12;
    student.history = std::move(history);
    student.loadedWithCount = withCount;
    return studentFileBytes(student);
}

inline void makeClassFolder(const std::filesystem::path& folder) {
    writeBytes(folder / "Ann.sbk",
               childBytes({score(inMarch(1), 1, 10, 8), score(inMarch(2), 2, 10, 5),
                           score(inMarch(2), 3, 20, 9), score(inMarch(3), 4, 20, 18),
                           score(inMarch(4), 5, 3, 2), score(inMarch(5), 6, 8, 7),
                           score(inMarch(6), 7, 4, 1), score(inMarch(7), 3, 20, 16),
                           score(inMarch(8), 3, 20, 13), score(0, 1, 4, 4)}));
    writeBytes(folder / "bob.SBK", {'h', 'e', 'l', 'l', 'o'});
    writeBytes(folder / "Cy.sbk", {});
    std::vector<unsigned char> cut =
        childBytes({score(inMarch(10), 1, 10, 10), score(inMarch(11), 1, 10, 9)});
    cut[35] = 5; // claims five results, holds two
    writeBytes(folder / "Dee.sbk", cut);
    std::filesystem::create_directory(folder / "Eve.sbk");
    writeBytes(folder / "Smith, Jo.sbk", childBytes({}, false));
    writeBytes(folder / "=Sum.sbk", childBytes({score(0, 4, 10, 9)}));
    writeBytes(folder / "\tTab.sbk", {});
    writeBytes(folder / "\rCr.sbk", {});
    writeBytes(folder / "notes.txt", {'x'});
}

// The CSV of that folder in name order.
inline const char* const classCsv =
    "Child,Tests,First test,Last test,Add latest,Add best,Sub latest,Sub best,Mult latest,"
    "Mult best,Div latest,Div best,Mixed latest,Mixed best,Add/Sub latest,Add/Sub best,"
    "Mult/Div latest,Mult/Div best,Note,Add known,Sub known,Mult known,Div known\r\n"
    "'\tTab,0,,,,,,,,,,,,,,,,,,0/144,0/144,0/144,0/144\r\n"
    "\"'\rCr\",0,,,,,,,,,,,,,,,,,,0/144,0/144,0/144,0/144\r\n"
    "'=Sum,1,,,,,,,,,90.00,90.00,,,,,,,,0/144,0/144,0/144,0/144\r\n"
    "Ann,10,2026-03-01,2026-03-08,100.00,100.00,50.00,50.00,65.00,80.00,90.00,90.00,66.67,"
    "66.67,87.50,87.50,25.00,25.00,,0/144,0/144,0/144,0/144\r\n"
    "bob,0,,,,,,,,,,,,,,,,,not a Tallyburrow child file,0/144,0/144,0/144,0/144\r\n"
    "Cy,0,,,,,,,,,,,,,,,,,,0/144,0/144,0/144,0/144\r\n"
    "Dee,2,2026-03-10,2026-03-11,90.00,100.00,,,,,,,,,,,,,"
    "the file is cut short: 2 of 5 results could be read,0/144,0/144,0/144,0/144\r\n"
    "Eve,,,,,,,,,,,,,,,,,,not a regular file,,,,\r\n"
    "\"Smith, Jo\",0,,,,,,,,,,,,,,,,,,0/144,0/144,0/144,0/144\r\n";

inline QString qPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
