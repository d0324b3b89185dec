// SPDX-License-Identifier: GPL-3.0-or-later
#include "OverviewTestFolder.h"
#include "overview/OverviewExport.h"

#include <gtest/gtest.h>

#include <map>

namespace {
std::vector<const OverviewRow*> pointers(const std::vector<OverviewRow>& rows) {
    std::vector<const OverviewRow*> result;
    for (const OverviewRow& row : rows) {
        result.push_back(&row);
    }
    return result;
}

using Snapshot = std::map<std::string, std::string>;
Snapshot snapshot(const std::filesystem::path& folder) {
    Snapshot files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] =
            entry.is_regular_file() ? readText(entry.path()) : "<folder>";
    }
    return files;
}
} // namespace

// Every child file is read, none skipped (the rows are the window test's export): damaged and
// unreadable ones say so, and the folder is exactly as it was afterwards.
TEST(Overview, EveryFileReadAndTheFolderLeftAsItWas) {
    TempFolder folder;
    makeClassFolder(folder.path());
    const Snapshot before = snapshot(folder.path());
    const std::vector<OverviewRow> rows = readOverview(folder.path());
    EXPECT_EQ(snapshot(folder.path()), before);
    EXPECT_EQ(overviewStatus(rows, true), "9 children, 3 files could not be read whole.");
}

// The status line for each kind of folder; the printed page escapes a name that looks like
// markup and carries the folder and the date. A name whose bytes are not UTF-8 is listed,
// read, and shown and exported readably.
TEST(Overview, StatusAndPrintedPage) {
    TempFolder folder;
    writeBytes(folder.path() / "<b>.sbk", {});
    writeBytes(folder.path() / "Zo\xeb.sbk", childBytes({score(inMarch(1), 1, 10, 8)}));
    const std::vector<OverviewRow> two = readOverview(folder.path());
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1].file.history.size(), 1u);
    EXPECT_TRUE(overviewCsv(pointers(two)).contains("\r\nZo\xc3\xab,1,2026-03-01,"));
    EXPECT_EQ(overviewStatus({two[0]}, true), "1 child.");
    EXPECT_EQ(overviewStatus({}, true), "This folder holds no child files.");
    EXPECT_TRUE(readOverview(folder.path() / "missing").empty());
    EXPECT_EQ(overviewStatus({}, false), "The folder cannot be found or opened.");

    const QString html = overviewHtml(pointers(two), "/srv/class", QDate(2026, 12, 7));
    EXPECT_TRUE(html.contains("Folder /srv/class, printed 2026-12-07"));
    EXPECT_TRUE(html.contains("<td>&lt;b&gt;</td>"));
    EXPECT_EQ(html.count("<th"), overviewColumnCount);
}
