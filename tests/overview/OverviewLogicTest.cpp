// SPDX-License-Identifier: GPL-3.0-or-later
#include "OverviewTestFolder.h"
#include "overview/OverviewExport.h"
#include "records/AnswerLog.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

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
// A catalogue that brackets every text, to tell the texts that reach it from those that must
// stay as written.
class BracketingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("[%1]").arg(QString::fromUtf8(source));
    }
};
} // namespace

// In another language the table's headings are translated whole, the operation's name within
// them too, while the CSV file keeps its English headings, which spreadsheets and scripts read.
TEST(Overview, TheCsvKeepsItsEnglishHeadingsInAnyLanguage) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    BracketingTranslator brackets;
    ASSERT_TRUE(QCoreApplication::installTranslator(&brackets));
    const QStringList shown = overviewHeadings();
    const QByteArray csv = overviewCsv({});
    QCoreApplication::removeTranslator(&brackets);

    EXPECT_EQ(shown.value(0), "[Child]");
    EXPECT_EQ(shown.value(4), "[[Add] latest]");
    EXPECT_EQ(shown.value(firstKnownColumn), "[[Add] known]");
    EXPECT_EQ(csv, overviewFileHeadings().join(',').toUtf8() + "\r\n");
    EXPECT_TRUE(csv.startsWith("Child,Tests,First test,Last test,Add latest,Add best,Sub latest,"));
    EXPECT_TRUE(csv.contains(",Mult/Div best,Note,Add known,"));
}

// A translation writes the table's dates and percentages its way; the CSV file keeps ISO dates
// and the full stop, byte for byte.
TEST(Overview, TheCsvKeepsItsNumbersAndDatesInAnyLanguage) {
    TempFolder folder;
    writeBytes(folder.path() / "Ann.sbk", childBytes({score(inMarch(16), 1, 7, 5)}));
    const std::vector<OverviewRow> rows = readOverview(folder.path());
    const QByteArray english = overviewCsv(pointers(rows));
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QStringList shown = overviewCells(rows.at(0));
    const QByteArray german = overviewCsv(pointers(rows));
    QLocale::setDefault(before);
    EXPECT_EQ(german, english);
    EXPECT_TRUE(english.contains("\r\nAnn,1,2026-03-16,2026-03-16,71.43,71.43,"));
    EXPECT_EQ(shown.mid(2, 4).join(' '), "16.03.2026 16.03.2026 71,43 71,43");
}

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

namespace {
LoggedAnswer quick(int operation, int first, int second, bool right = true) {
    return {operation, first, second, right, false, 1000, inMarch(1)};
}

void writeLog(const std::filesystem::path& path, std::uint64_t id,
              std::vector<LoggedAnswer> answers, std::vector<std::uint64_t> folded = {}) {
    AnswerLogContents log;
    log.logId = id;
    log.folded = std::move(folded);
    log.answers = std::move(answers);
    writeBytes(path, answerLogBytes(log));
}
} // namespace

// The known columns count the main log and the side logs of runs without the lock, a side log
// already folded in once, over the child's own ranges; another child's log, a damaged log and
// a link stay out of the counts, with a "?" that says why for the last two.
TEST(Overview, KnownFactsFromEveryLogOfTheChild) {
    TempFolder folder;
    const auto at = [&folder](const char* name) { return folder.path() / name; };
    writeBytes(at("Ann.sbk"), childBytes({}));
    // 3 x 4 and 6 x 6 known; 6 x 6 was missed once in a run since folded into the main log.
    writeLog(
        at("Ann.sbk.answers"), 1,
        {quick(3, 3, 4), quick(3, 3, 4), quick(3, 6, 6, false), quick(3, 6, 6), quick(3, 6, 6)},
        {7});
    writeLog(at("Ann.sbk.pc-12-100.answers"), 7, {quick(3, 6, 6, false)});
    writeLog(at("Ann.sbk.pc_2-40-200.answers"), 8, {quick(1, 2, 3), quick(1, 2, 3)});
    writeLog(at("Ann.sbk.pc-41-300.answers"), 9, {quick(2, 5, 2), quick(2, 5, 2)});
    writeBytes(at("Bo.sbk"), {});
    writeBytes(at("Cy.sbk"), childBytes({}));
    writeBytes(at("Cy.sbk.answers"), {'T', 'B', 'a', 'n', 's', 'w', 'r', 's', 1});
    std::vector<unsigned char> fiveHigh = childBytes({});
    fiveHigh[15] = 5; // the Mult and Div range: 1 to 5
    writeBytes(at("Di.sbk"), fiveHigh);
    writeLog(at("Di.sbk.x.sbk.answers"), 3, {quick(3, 2, 2), quick(3, 2, 2)});
    writeLog(at("Di.sbk.x-1.answers"), 4, {quick(3, 2, 2), quick(3, 2, 2)});
    std::filesystem::create_directory(at("Eve.sbk"));
    writeBytes(at("Fay.sbk"), childBytes({}));
    std::filesystem::create_symlink("Ann.sbk.answers", at("Fay.sbk.answers"));

    std::vector<OverviewRow> rows = readOverview(folder.path());
    countKnownFacts(rows, folder.path());
    const struct {
        const char* child;
        const char* cells;
        bool explained;
    } cases[] = {
        {"Ann", "1/144 1/144 2/144 0/144", false},
        {"Bo", "0/144 0/144 0/144 0/144", false},
        {"Cy", "? ? ? ?", true},
        {"Di", "0/144 0/144 0/25 0/25", false},
        {"Eve", "   ", false},
        {"Fay", "? ? ? ?", true},
    };
    ASSERT_EQ(rows.size(), std::size(cases));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(overviewCells(rows[i]).mid(firstKnownColumn).join(' ').toStdString(),
                  cases[i].cells)
            << cases[i].child;
        EXPECT_EQ(rows[i].fluency.problem.isEmpty(), !cases[i].explained) << cases[i].child;
    }
    EXPECT_EQ(overviewStatus(rows, true), "6 children, 1 file could not be read whole. Children "
                                          "whose answers could not be read whole (\"?\"): 2.");
    // "?" sorts below 0 known, a file not counted below both.
    std::vector<qlonglong> keys;
    for (const std::size_t row : {4, 2, 1}) {
        keys.push_back(overviewSortKey(rows[row], firstKnownColumn).toLongLong());
    }
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()) && keys[0] < keys[1] && keys[1] < keys[2]);
}

// A child's side logs are the logs a run without the lock names after itself, and no other
// file: not the main log, another child's log, or a name only like one.
TEST(Overview, SideLogsAreTheRunsOfTheChild) {
    TempFolder folder;
    const struct {
        const char* name;
        bool annsSideLog;
    } cases[] = {
        {"Ann.sbk.pc-1-2.answers", true},
        {"Ann.sbk.PC_9-12345-1733600000000.answers", true},
        {"Ann.sbk.answers", false},
        {"Ann.sbk.-1-2.answers", false},
        {"Ann.sbk.p c-1-2.answers", false},
        {"Ann.sbk.pc-x-2.answers", false},
        {"Ann.sbk.pc-1-2-3.answers", false},
        {"Ann.sbk.pc-1-.answers", false},
        {"Ann.sbk.x.sbk.answers", false}, // the log of the child "Ann.sbk.x"
        {"Ann.sbk.pc-1-2.answers.tmp", false},
        {"Anne.sbk.pc-1-2.answers", false},
        {"Ann.SBK.pc-1-2.answers", false},
    };
    std::vector<std::filesystem::path> expected;
    for (const auto& c : cases) {
        writeBytes(folder.path() / c.name, {});
        if (c.annsSideLog) {
            expected.push_back(folder.path() / c.name);
        }
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(SideLogListing(folder.path()).of(folder.path() / "Ann.sbk"), expected);
}
