#include "help/HelpWindow.h"
#include "help/FindDialog.h"
#include "help/HelpSource.h"
#include "help/ShowHelp.h"
#include "support/ControlChecks.h"
#include "support/ModalHelpers.h"
#include "support/TempFolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
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

QRect windowRect(QWidget* widget) {
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

QTreeWidget* treeOf(QWidget* window) {
    return control<QTreeWidget>(window, 101);
}
QString headingOf(QWidget* window) {
    return control<QLabel>(window, 102)->text();
}
QPlainTextEdit* textPaneOf(QWidget* window) {
    return control<QPlainTextEdit>(window, 104);
}
QString statusTopicOf(QWidget* window) {
    return window->findChild<QLabel*>("statusTopic")->text();
}

// Answers the next popup menu: records its item labels and picks the one named `choice`
// (or none when empty).
void whenMenuOpens(QStringList* labels, const QString& choice) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, labels, choice] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            labels->append(action->isSeparator() ? QString("-") : action->text());
            if (!choice.isEmpty() && action->text() == choice) {
                chosen = action;
            }
        }
        menu->close();
        if (chosen != nullptr) {
            chosen->trigger();
        }
    });
    timer->start(10);
}

// Answers the find dialog with the text and whole-word state, pressing Enter.
void whenFindDialogOpens(const QString& text, bool wholeWord, QWidget* window,
                         const QString& shotName = QString()) {
    whenModalOpens(
        [text, wholeWord, shotName](QWidget* dialog) {
            if (!shotName.isEmpty()) {
                saveShot(dialog, shotName);
            }
            auto* box = dialog->findChild<QLineEdit*>("9999");
            QTest::keyClicks(box, text);
            auto* whole = dialog->findChild<QCheckBox*>("9998");
            if (whole->isChecked() != wholeWord) {
                QTest::mouseClick(whole, Qt::LeftButton);
            }
            QTest::keyClick(box, Qt::Key_Return);
        },
        window);
}

// Answers the next message box, recording its title and text.
void whenMessageOpens(QString* title, QString* text, QWidget* previous) {
    whenModalOpens(
        [title, text](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) {
                return;
            }
            *title = box->windowTitle();
            *text = box->text();
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

    std::unique_ptr<HelpWindow> openWindow() {
        search = SearchState{};
        printed.clear();
        auto window = std::make_unique<HelpWindow>(smallTopics(), "Tallyburrow help", search,
                                                   [this](const HelpTopic& t, QWidget* owner) {
                                                       printed.push_back(t);
                                                       printOwner = owner;
                                                   });
        window->show();
        window->activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window.get());
        return window;
    }

private slots:
    void opensWithTheFirstTopicAndTheLayout() {
        auto window = openWindow();
        QCOMPARE(window->size(), QSize(640, 370));
        checkControls(window.get(), HelpWindow::controls());
        QTreeWidget* tree = treeOf(window.get());
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("Keys"));
        QVERIFY(tree->topLevelItem(1)->isExpanded());
        QCOMPARE(headingOf(window.get()), QString("     Start"));
        QCOMPARE(textPaneOf(window.get())->toPlainText(), QString("Hello"));
        QCOMPARE(textPaneOf(window.get())->accessibleName(), QString("Start"));
        QCOMPARE(statusTopicOf(window.get()), QString());
        QCOMPARE(window->findChild<QLabel*>("statusHint")->text(),
                 QString("  Right click mouse (or F10) for menu options"));
        QCOMPARE(control<QStatusBar>(window.get(), 106)->geometry().bottom(), 369);
        saveShot(window.get(), "help-window");

        // Sizes follow the window; the tree keeps its width.
        window->resize(700, 400);
        QCOMPARE(tree->geometry().size(), QSize(235, 360));
        QCOMPARE(windowRect(textPaneOf(window.get())), QRect(250, 40, 435, 335));
        QCOMPARE(windowRect(control<QLabel>(window.get(), 102)), QRect(250, 5, 418, 23));
    }

    void selectingASubTopicShowsItsHeadingAndStatus() {
        auto window = openWindow();
        QTreeWidget* tree = treeOf(window.get());
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(headingOf(window.get()), QString("     Keys"));
        QCOMPARE(statusTopicOf(window.get()), QString("Start : Keys"));
        QCOMPARE(textPaneOf(window.get())->accessibleName(), QString("Keys"));
        QCOMPARE(window->currentTopic(), 2);
        QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(statusTopicOf(window.get()), QString("Numbers"));
        QCOMPARE(textPaneOf(window.get())->toPlainText(), QString("Add numbers: ADD them."));
        saveShot(window.get(), "help-window-numbers");
    }

    void menusHoldTheirItemsAndCollapseAndExpand() {
        auto window = openWindow();
        QTreeWidget* tree = treeOf(window.get());
        tree->setFocus();
        QStringList treeItems;
        whenMenuOpens(&treeItems, "Collapse topics");
        QTest::keyClick(tree, Qt::Key_F10);
        QCOMPARE(treeItems, (QStringList{"Find text\tCTRL+F", "Next\tF3", "Prev\tSHFT+F3",
                                         "Find cancel\tEscape", "-", "Expand topics",
                                         "Collapse topics", "-", "Print text\tCTRL+P"}));
        QVERIFY(!tree->topLevelItem(0)->isExpanded());
        QVERIFY(!tree->topLevelItem(1)->isExpanded());
        QVERIFY(tree->visualItemRect(tree->topLevelItem(0)->child(0)).isEmpty());

        QStringList again;
        whenMenuOpens(&again, "Expand topics");
        QTest::keyClick(tree, Qt::Key_F10);
        QVERIFY(!tree->visualItemRect(tree->topLevelItem(0)->child(0)).isEmpty());

        QTest::keyClick(tree, Qt::Key_F2);
        QVERIFY(textPaneOf(window.get())->hasFocus());
        QStringList textItems;
        whenMenuOpens(&textItems, QString());
        QTest::keyClick(textPaneOf(window.get()), Qt::Key_F10);
        QCOMPARE(textItems, (QStringList{"Find text\tCTRL+F", "Next\tF3", "Prev\tSHFT+F3",
                                         "Find cancel\tEscape", "-", "Print item\tCTRL+P"}));
    }

    void findStepsThroughWholeWordsAndReportsTheEnd() {
        auto window = openWindow();
        QPlainTextEdit* pane = textPaneOf(window.get());
        whenFindDialogOpens("  add ", true, window.get(), "find-dialog");
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(window->currentTopic(), 2);
        QCOMPARE(pane->textCursor().selectedText(), QString("add"));
        QCOMPARE(pane->textCursor().selectionStart(), 12);
        QVERIFY(treeOf(window.get())->topLevelItem(0)->child(0)->font(0).bold());
        saveShot(window.get(), "help-window-found");

        QTest::keyClick(pane, Qt::Key_F3);
        QTest::keyClick(pane, Qt::Key_F3);
        QCOMPARE(window->currentTopic(), 3);
        QCOMPARE(pane->textCursor().selectionStart(), 13); // "ADD"
        QTest::keyClick(pane, Qt::Key_F3);

        QString title;
        QString text;
        whenMessageOpens(&title, &text, window.get());
        QTest::keyClick(pane, Qt::Key_F3);
        QCOMPARE(text, QString("No more found"));
        QCOMPARE(title, QString("add"));

        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(pane, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(pane->textCursor().selectionStart(), 13);

        // Escape first forgets the search, then closes the window.
        QTest::keyClick(pane, Qt::Key_Escape);
        QVERIFY(window->isVisible());
        QVERIFY(!pane->textCursor().hasSelection());
        QTest::keyClick(pane, Qt::Key_F3);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QTest::keyClick(pane, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    // After "No more found" the last occurrence is selected again in the text pane, which keeps
    // the focus, also when it ends its topic's text.
    void noMoreFoundSelectsTheLastOccurrenceAgain() {
        auto window = openWindow();
        QPlainTextEdit* pane = textPaneOf(window.get());
        whenFindDialogOpens("add", true, window.get());
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(pane, Qt::Key_F3);
        QTest::keyClick(pane, Qt::Key_F3);
        QTest::keyClick(pane, Qt::Key_F3);
        QCOMPARE(window->currentTopic(), 5);
        QString title;
        QString text;
        whenMessageOpens(&title, &text, window.get());
        QTest::keyClick(pane, Qt::Key_F3);
        QCOMPARE(text, QString("No more found"));
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::qWait(50);
        QCOMPARE(window->currentTopic(), 5);
        QCOMPARE(pane->textCursor().selectedText(), QString("add"));
        QCOMPARE(pane->textCursor().selectionStart(), 3);
        QCOMPARE(QApplication::focusWidget(), pane);
        QVERIFY(treeOf(window.get())->topLevelItem(2)->font(0).bold());
    }

    // "None found" keeps the search; a cancelled dialog leaves none, so Escape closes.
    void noneFoundKeepsTheSearchAndCancelLeavesNone() {
        auto window = openWindow();
        QString title;
        QString text;
        whenFindDialogOpens("zebra", false, window.get());
        whenMessageOpens(&title, &text, window.get());
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QTRY_COMPARE(text, QString("None found"));
        QCOMPARE(title, QString("zebra"));
        QCOMPARE(search.searchText, std::string("zebra"));
        QCOMPARE(window->focusWidget(), treeOf(window.get()));
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        whenModalOpens([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); },
                       window.get());
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(search.searchText.empty());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(treeOf(window.get()), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    void printCommandPrintsOnlyATopicWithText() {
        auto window = openWindow();
        QTreeWidget* tree = treeOf(window.get());
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(printed.size(), std::size_t(1));
        QCOMPARE(printOwner, window.get());
        tree->setCurrentItem(tree->topLevelItem(1)->child(0)); // "Empty" has no text
        QCOMPARE(headingOf(window.get()), QString("     Empty"));
        QTest::keyClick(tree, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(printed.size(), std::size_t(1));
    }

    void draggingTheBarSharesTheWidth() {
        auto window = openWindow();
        QSplitterHandle* bar = control<QSplitter>(window.get(), 105)->handle(1);
        QCOMPARE(bar->cursor().shape(), Qt::SplitHCursor);
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(2, 10));
        QTest::mouseMove(bar, QPoint(52, 10));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(52, 10));
        QCOMPARE(treeOf(window.get())->width(), 285);
        QCOMPARE(windowRect(textPaneOf(window.get())), QRect(300, 40, 325, 305));
        saveShot(window.get(), "help-window-dragged");
    }

    void showHelpRunsUntilClosedAtItsPlace() {
        TempFolder folder;
        const auto path = folder.path() / "tallyburrow.ahp";
        writeBytes(path, encodeHelpFile(smallTopics()));
        QPoint position;
        QString caption;
        int windowsWhileOpen = 0;
        QTimer::singleShot(100, [&] {
            auto* window = qApp->findChild<HelpWindow*>();
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == "helpWindow" && top->isVisible()) {
                    window = static_cast<HelpWindow*>(top);
                }
            }
            if (window == nullptr) {
                return;
            }
            position = window->pos();
            caption = window->windowTitle();
            ShowHelp(path.string(), "again", nullptr); // brings the open window forward
            for (QWidget* top : QApplication::topLevelWidgets()) {
                windowsWhileOpen += top->objectName() == "helpWindow" && top->isVisible() ? 1 : 0;
            }
            QTest::keyClick(window, Qt::Key_Escape);
        });
        ShowHelp(path.string(), "", nullptr);
        QCOMPARE(caption, QString("Application Help"));
        QCOMPARE(position, QPoint(100, 80));
        QCOMPARE(windowsWhileOpen, 1);
    }

    void missingOrEmptyFileShowsANoticeAndNoWindow() {
        TempFolder folder;
        const auto path = folder.path() / "tallyburrow.ahp";
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        const auto answer = [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        };
        whenModalOpens(answer);
        ShowHelp(path.string(), "", nullptr);
        QCOMPARE(text, QString("No help available"));
        QCOMPARE(title, QString("Help File"));
        QCOMPARE(icon, QMessageBox::Information);

        writeBytes(path, {0x00, 0x00, 0x00, 0x00});
        whenModalOpens(answer);
        ShowHelp(path.string(), "", nullptr);
        QCOMPARE(text, QString("No help content"));
        QCOMPARE(icon, QMessageBox::Information);
    }

    void findDialogLayout() {
        FindDialog dialog(nullptr);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Text to Find"));
        checkControls(&dialog, FindDialog::controls());
        QVERIFY(dialog.findChild<QCheckBox*>("9998")->isChecked());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
