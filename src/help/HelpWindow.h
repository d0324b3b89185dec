// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ControlTable.h"
#include "help/HelpFile.h"
#include "help/HelpSearch.h"

#include <QMainWindow>

#include <functional>
#include <span>
#include <vector>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;

// The help window: topic tree, heading, text pane, the bar between them and a status bar.
// A main window (not a bare widget), so assistive technology reads it as a frame.
// It shows the topics it is given; the search state is shared with later openings.
// Its code is split by what it handles: HelpWindow.cpp builds it and runs its commands,
// HelpWindowTopics.cpp the tree and the text pane, HelpWindowFind.cpp finding and printing.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class ControlId {
        TopicTree = 101,
        TopicHeading = 102,
        HeadingBand = 103,
        TopicText = 104,
        SplitterBar = 105,
        HelpStatusBar = 106
    };
    enum class Command {
        FindText = 121,
        Next = 122,
        Previous = 123,
        Print = 124,
        ExpandAll = 125,
        CollapseAll = 126,
        ShowMenu = 130,
        SwitchFocus = 131,
        CancelFind = 132
    };
    // Prints a topic (its title and text in Windows-1252); the printer dialog it may show
    // belongs to `owner`.
    using TopicPrinter = std::function<void(const HelpTopic& topic, QWidget* owner)>;

    HelpWindow(std::vector<HelpTopic> topics, const QString& caption, SearchState& search,
               TopicPrinter printer);

    // The controls at the window's first size (640 x 370), in client pixels; the splitter
    // (105) holds the tree on its left and heading, band and text on its right.
    static std::span<const ControlRow> controls();

    void runCommand(Command command);
    int currentTopic() const { return currentTopicNumber; }

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // HelpWindow.cpp
    void createControls();
    QWidget* createTreeSide();
    QWidget* createTopicSide();
    void createStatusBar();
    void createMenus();
    void createKeys();

    // HelpWindowTopics.cpp
    void buildTree();
    void showSelectedTopic();
    void showTopicText(int topic);
    void setBold(QTreeWidgetItem* node, bool bold);
    void textPaneGainsFocus();
    void textPaneLosesFocus();
    void switchFocus();
    void showMenuAt(QMenu* menu, const QPoint& screenPoint);
    void showMenuForFocus();
    void onTreeContextMenu(const QPoint& pos);
    QTreeWidgetItem* nodeOf(int topic) const;

    // HelpWindowFind.cpp
    void findText();
    void showFindOutcome(const FindOutcome& outcome);
    void showOccurrence(int topic, int position, int length);
    void markOccurrence(int topic, int position, int length);
    void reportNothingFound(const FindOutcome& outcome);
    void cancelFindOrClose();
    void printCurrentTopic();

    std::vector<HelpTopic> topics;
    SearchState& search;
    TopicPrinter printer;
    std::vector<QTreeWidgetItem*> topicOrder; // node of topic i at i - 1

    QSplitter* splitter = nullptr;
    QTreeWidget* tree = nullptr;
    QLabel* heading = nullptr;
    QLabel* band = nullptr;
    QPlainTextEdit* textPane = nullptr;
    QStatusBar* statusBar = nullptr;
    QLabel* hintField = nullptr;
    QLabel* topicField = nullptr;
    QMenu* treeMenu = nullptr;
    QMenu* textMenu = nullptr;

    int currentTopicNumber = 0;
    QTreeWidgetItem* selectedNode = nullptr;
    QTreeWidgetItem* markedNode = nullptr;
    bool textHasFocus = false;
};
