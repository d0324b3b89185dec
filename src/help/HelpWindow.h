#pragma once

#include "help/HelpFile.h"
#include "help/HelpLayout.h"
#include "help/HelpSearch.h"

#include <QMainWindow>

#include <functional>
#include <vector>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;

// The help window: topic tree, heading, text pane, the bar between them and a status bar.
// A main window (not a bare widget), so assistive technology reads it as a frame.
// It shows the topics it is given; the search state is shared with later openings.
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
    // Prints a topic (its title and text in Windows-1252).
    using TopicPrinter = std::function<void(const HelpTopic& topic)>;

    HelpWindow(std::vector<HelpTopic> topics, const QString& caption, SearchState& search,
               TopicPrinter printer);

    void runCommand(Command command);
    int currentTopic() const { return currentTopicNumber; }

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();
    void createKeys();
    void buildTree();
    void applyLayout();

    void showSelectedTopic();
    void showTopicText(int topic);
    void setBold(QTreeWidgetItem* node, bool bold);
    void textPaneGainsFocus();
    void textPaneLosesFocus();
    void switchFocus();
    void showMenuAt(QMenu* menu, const QPoint& screenPoint);
    void showMenuForFocus();
    void onTreeContextMenu(const QPoint& pos);

    void findText();
    void showFindOutcome(const FindOutcome& outcome);
    void showOccurrence(int topic, int position, int length);
    void reportNothingFound(const FindOutcome& outcome);
    void cancelFindOrClose();
    void printCurrentTopic();

    bool handleBarMouse(QEvent* event);
    QTreeWidgetItem* nodeOf(int topic) const;

    std::vector<HelpTopic> topics;
    SearchState& search;
    TopicPrinter printer;
    std::vector<QTreeWidgetItem*> topicOrder; // node of topic i at i - 1

    QTreeWidget* tree = nullptr;
    QLabel* heading = nullptr;
    QLabel* band = nullptr;
    QPlainTextEdit* textPane = nullptr;
    QLabel* bar = nullptr;
    QStatusBar* statusBar = nullptr;
    QLabel* hintField = nullptr;
    QLabel* topicField = nullptr;
    QMenu* treeMenu = nullptr;
    QMenu* textMenu = nullptr;

    HelpLayout layout;
    HelpLayout layoutAtDragStart;
    bool dragging = false;

    int currentTopicNumber = 0;
    QTreeWidgetItem* selectedNode = nullptr;
    QTreeWidgetItem* markedNode = nullptr;
    bool textHasFocus = false;
};
