// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpWindow.h"
#include "help/HelpLanguage.h"
#include "help/HelpSource.h"
#include "help/ShowHelp.h"
#include "support/ControlHelpers.h"
#include "support/ModalHelpers.h"
#include "support/TempFolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

const char* const smallHelp = "@@ 0 Start\n"
                              "Hello\n"
                              "@@ 1 Keys\n"
                              "Press F3 to add, or adding.\n"
                              "@@ 0 Numbers\n"
                              "Add numbers: ADD them.\n"
                              "@@ 1 Empty\n"
                              "@@ 0 End\n"
                              "we add\n";

std::vector<HelpTopic> smallTopics() {
    return parseHelpSource(smallHelp).topics;
}

// Picks the item labelled `choice` in the next popup menu.
void whenMenuOpens(const QString& choice) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, choice] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        menu->close();
        for (QAction* action : menu->actions()) {
            if (action->text() == choice) {
                action->trigger();
            }
        }
    });
    timer->start(10);
}

// Answers the find dialog, as it opens (whole words ticked), with the text and Enter.
void whenFindDialogOpens(const QString& text, QWidget* window) {
    whenModalOpens(
        [text](QWidget* dialog) {
            saveShot(dialog, "find-dialog");
            auto* box = dialog->findChild<QLineEdit*>("9999");
            QTest::keyClicks(box, text);
            QTest::keyClick(box, Qt::Key_Return);
        },
        window);
}

// Answers the next message box, recording "title: text".
void whenMessageOpens(QString* seen, QWidget* previous = nullptr) {
    whenModalOpens(
        [seen](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            *seen = box->windowTitle() + ": " + box->text();
            box->button(QMessageBox::Ok)->click();
        },
        previous);
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private:
    SearchState search;
    std::vector<HelpTopic> printed;
    QWidget* printOwner = nullptr;
    std::unique_ptr<HelpWindow> window;
    QTreeWidget* tree = nullptr;
    QPlainTextEdit* pane = nullptr;

    QString statusTopic() const { return window->findChild<QLabel*>("statusTopic")->text(); }

private slots:
    void init() {
        search = SearchState{};
        printed.clear();
        window = std::make_unique<HelpWindow>(smallTopics(), "Tallyburrow help", search,
                                              [this](const HelpTopic& t, QWidget* owner) {
                                                  printed.push_back(t);
                                                  printOwner = owner;
                                              });
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        tree = control<QTreeWidget>(window.get(), 101);
        pane = control<QPlainTextEdit>(window.get(), 104);
    }
    void cleanup() { window.reset(); }

    // The tree keeps its width. Its menu collapses and expands the topics; the text pane has
    // its own menu. Moving down the tree shows each topic; only a topic with text is printed.
    void menusKeysAndPrinting() {
        for (const int side : {16, 32}) { // the icon is drawn at each size, never scaled
            QCOMPARE(QImage(QString(":/help/GenHelp%1.png").arg(side)).size(), QSize(side, side));
        }
        tree->setFocus();
        whenMenuOpens("Collapse topics");
        QTest::keyClick(tree, Qt::Key_F10);
        QTRY_VERIFY(!tree->topLevelItem(0)->isExpanded() && !tree->topLevelItem(1)->isExpanded());
        whenMenuOpens("Expand topics");
        QTest::keyClick(tree, Qt::Key_F10);
        QTRY_VERIFY(tree->topLevelItem(0)->isExpanded() && tree->topLevelItem(1)->isExpanded());
        QTest::keyClick(tree, Qt::Key_F2);
        QVERIFY(pane->hasFocus());
        whenMenuOpens("Print item\tCTRL+P");
        QTest::keyClick(pane, Qt::Key_F10);
        QTRY_COMPARE(printed.size(), std::size_t(1)); // the menu may answer after the key returns
        QTRY_COMPARE(QApplication::activePopupWidget(), nullptr);
        window->resize(700, 400);
        saveShot(window.get(), "help-window-wider");

        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(statusTopic(), QString("Start : Keys"));
        QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(statusTopic(), QString("Numbers"));
        QCOMPARE(pane->toPlainText(), QString("Add numbers: ADD them."));
        QTest::keyClick(tree, Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(tree, Qt::Key_Down); // "Empty" has no text
        QTest::keyClick(tree, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(printed.size(), std::size_t(2));
        QCOMPARE(printed[0].title + printed[1].title, std::string("StartNumbers"));
        QCOMPARE(printOwner, window.get());
    }

    // "None found" keeps the search and a cancelled dialog drops it. Find steps through whole
    // words and reports the end; Escape first forgets the search, then closes the window.
    void findStepsThroughWholeWordsAndReportsTheEnd() {
        QString seen;
        whenFindDialogOpens("zebra", window.get());
        whenMessageOpens(&seen, window.get());
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QTRY_COMPARE(seen, QString("zebra: None found"));
        QCOMPARE(search.searchText, std::string("zebra"));
        QCOMPARE(window->focusWidget(), tree);
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        whenMessageOpens(&seen, window.get()); // backwards, with nothing found to go back to
        QTest::keyClick(tree, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(seen, QString("zebra: No more found"));
        QCOMPARE(window->currentTopic(), 1);
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        whenModalOpens([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); },
                       window.get());
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(search.searchText.empty());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        whenFindDialogOpens("  add ", window.get());
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(window->currentTopic(), 2);
        QCOMPARE(pane->textCursor().selectedText(), QString("add"));
        QCOMPARE(pane->textCursor().selectionStart(), 12);
        QVERIFY(tree->topLevelItem(0)->child(0)->font(0).bold());
        saveShot(window.get(), "help-window-found");

        QTest::keyClick(pane, Qt::Key_F3);
        QTest::keyClick(pane, Qt::Key_F3);
        QCOMPARE(window->currentTopic(), 3);
        QVERIFY(!tree->topLevelItem(0)->child(0)->font(0).bold());
        QCOMPARE(pane->textCursor().selectionStart(), 13); // "ADD"
        QTest::keyClick(pane, Qt::Key_F3);
        whenMessageOpens(&seen, window.get());
        QTest::keyClick(pane, Qt::Key_F3);
        QCOMPARE(seen, QString("add: No more found"));
        // The last occurrence, which ends its topic's text, is selected again in the pane.
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(window->currentTopic(), 5);
        QCOMPARE(pane->textCursor().selectionStart(), 3);
        QCOMPARE(QApplication::focusWidget(), pane);
        QVERIFY(tree->topLevelItem(2)->font(0).bold());
        QTest::keyClick(pane, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(pane->textCursor().selectionStart(), 13);
        QTest::keyClick(pane, Qt::Key_Escape);
        QVERIFY(window->isVisible());
        QVERIFY(!pane->textCursor().hasSelection());
        QTest::keyClick(pane, Qt::Key_F3);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QTest::keyClick(pane, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    // A missing file gives a notice; a help file runs its window until it is closed,
    // at its place, and a second call brings that window forward.
    void showHelpShowsANoticeOrRunsTheWindow() {
        window.reset();
        TempFolder folder;
        const auto path = folder.path() / "tallyburrow.ahp";
        QString seen;
        whenMessageOpens(&seen);
        ShowHelp(path.string(), "", nullptr);
        QCOMPARE(seen, QString("Help File: No help available"));
        writeBytes(path, encodeHelpFile(smallTopics()));
        const auto openWindows = [] {
            QWidgetList open = QApplication::topLevelWidgets();
            open.removeIf(
                [](QWidget* w) { return w->objectName() != "helpWindow" || !w->isVisible(); });
            return open;
        };
        QTimer::singleShot(100, [&] {
            QWidget* shown = openWindows().value(0);
            QVERIFY(shown != nullptr);
            ShowHelp(path.string(), "again", nullptr);
            seen = QString("%1 at %2,%3, %4 open")
                       .arg(shown->windowTitle())
                       .arg(shown->x())
                       .arg(shown->y())
                       .arg(openWindows().size());
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        ShowHelp(path.string(), "", nullptr);
        QCOMPARE(seen, QString("Application Help at 100,80, 1 open"));
    }

    // The German help the build makes is the one chosen in German, and its window shows the
    // topics in German (the picture is saved as help-window-de.png).
    void theGermanHelpShowsGermanTopics() {
        window.reset();
        TempFolder folder;
        for (const char* name : {"tallyburrow.ahp", "tallyburrow.de.ahp"}) {
            std::filesystem::copy_file(std::filesystem::path(TB_BUILT_HELP_DIR) / name,
                                       folder.path() / name);
        }
        const auto chosen = chooseHelpFile(folder.path() / "tallyburrow.ahp", "de");
        QStringList chapters;
        QTimer::singleShot(100, [&chapters] {
            for (QWidget* shown : QApplication::topLevelWidgets()) {
                if (shown->objectName() == "helpWindow" && shown->isVisible()) {
                    auto* topics = control<QTreeWidget>(shown, 101);
                    for (int i = 0; i < topics->topLevelItemCount(); ++i) {
                        chapters << topics->topLevelItem(i)->text(0);
                    }
                    savePicture(shown, "help-window-de");
                    shown->close();
                }
            }
            if (QWidget* notice = QApplication::activeModalWidget()) {
                notice->close(); // a notice in place of the window
            }
        });
        ShowHelp(chosen.string(), "", nullptr);
        QCOMPARE(chapters.value(0), QString("Willkommen bei Tallyburrow"));
        QCOMPARE(chapters.value(2), QString("Üben"));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
