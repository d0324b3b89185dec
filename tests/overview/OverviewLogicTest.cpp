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
    const std::vector<OverviewRow> rows = readOverview(qPath(folder.path()));
    EXPECT_EQ(snapshot(folder.path()), before);
    EXPECT_EQ(overviewStatus(rows, true), "7 children, 3 files could not be read whole.");
}

// The status line for each kind of folder; the printed page escapes a name that looks like
// markup and carries the folder and the date.
TEST(Overview, StatusAndPrintedPage) {
    TempFolder folder;
    writeBytes(folder.path() / "<b>.sbk", {});
    const std::vector<OverviewRow> one = readOverview(qPath(folder.path()));
    EXPECT_EQ(overviewStatus(one, true), "1 child.");
    EXPECT_EQ(overviewStatus({}, true), "This folder holds no child files.");
    EXPECT_TRUE(readOverview(qPath(folder.path() / "missing")).empty());
    EXPECT_EQ(overviewStatus({}, false), "The folder cannot be found or opened.");

    const QString html = overviewHtml(pointers(one), "/srv/class", QDate(2026, 12, 7));
    EXPECT_TRUE(html.contains("Folder /srv/class, printed 2026-12-07"));
    EXPECT_TRUE(html.contains("<td>&lt;b&gt;</td>"));
    EXPECT_EQ(html.count("<th"), overviewColumnCount);
}
