// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramDriver.h"

#include "support/TempFolder.h"

#include <QListWidget>
#include <QMessageBox>

namespace fs = std::filesystem;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startUpListsTheChildrenAndReportsAMissingHelpFileOnce();
    void aBadNameIsRefusedAndCancellingEndsWithoutAnyFile();
};

void MainWindowTest::startUpListsTheChildrenAndReportsAMissingHelpFileOnce() {
    TempFolder temp;
    for (const char* name : {"zed.sbk", "Ann.sbk", "bob.sbk"}) {
        writeBytes(temp.path() / name, {});
    }
    QStringList seen;
    const auto greet = [&seen](QWidget* greeting) {
        auto* list = greeting->findChild<QListWidget*>(QStringLiteral("250"));
        QVERIFY2(list != nullptr, qPrintable(greeting->windowTitle()));
        for (int i = 0; i < list->count(); ++i) {
            seen << list->item(i)->text();
        }
        seen << list->currentItem()->text();
        QTest::keyClick(greeting, Qt::Key_Return);
    };
    whenModalOpens([&seen, greet](QWidget* box) {
        seen << box->windowTitle() + "|" + qobject_cast<QMessageBox*>(box)->text();
        whenModalOpens(greet, box); // the greeting comes once this box has gone
        box->close();
    });
    AppContext context;
    MainWindow window(context, temp.path());
    window.show();
    QTRY_COMPARE(context.student.studentName, std::string("Ann"));
    QCOMPARE(seen,
             (QStringList{"Helpfile not found|Help is unavailable", "Ann", "bob", "zed", "Ann"}));
}

// A name that cannot be a file name is refused with a warning and the greeting stays open;
// cancelling it then ends the program without any child's file.
void MainWindowTest::aBadNameIsRefusedAndCancellingEndsWithoutAnyFile() {
    TempFolder temp;
    writeBytes(temp.path() / "tallyburrow.ahp", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    QStringList seen;
    whenModalOpens([&seen](QWidget* greeting) {
        auto* name = greeting->findChild<QLineEdit*>(QStringLiteral("251"));
        for (const char* bad : {"a/b", "CON"}) {
            whenModalOpens(
                [&seen](QWidget* box) {
                    seen << qobject_cast<QMessageBox*>(box)->text().section('\n', -1);
                    box->close();
                },
                greeting);
            name->setText(QString::fromLatin1(bad));
            QTest::keyClick(greeting, Qt::Key_Return);
            seen << QString::number(greeting->isVisible()) << name->selectedText();
        }
        QTest::keyClicks(name, "Newkid");
        QTest::keyClick(greeting, Qt::Key_Escape);
    });
    AppContext context;
    MainWindow window(context, temp.path());
    window.show();
    QTRY_VERIFY(!window.isVisible());
    const QString again = QStringLiteral("Please type your name again.");
    QCOMPARE(seen, (QStringList{again, "1", "a/b", again, "1", "CON"}));
    QVERIFY(!fs::exists(temp.path() / "Newkid.sbk"));
    QVERIFY(!fs::exists(temp.path() / "CON.sbk"));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
