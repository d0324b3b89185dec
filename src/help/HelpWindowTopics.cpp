// SPDX-License-Identifier: GPL-3.0-or-later
// The help window's tree and text pane: which topic shows, which node is marked, and where
// the keyboard focus is.
#include "help/HelpWindow.h"

#include "help/HelpText.h"
#include "help/HelpTree.h"
#include "help/Windows1252.h"

#include <QFocusEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

// Help texts are stored in Windows-1252; the window shows them as QStrings.
QString fromHelpBytes(const std::string& bytes) {
    return QString::fromStdString(windows1252ToUtf8(bytes));
}

int topicOfNode(const QTreeWidgetItem* node) {
    return node->data(0, Qt::UserRole).toInt();
}

} // namespace

void HelpWindow::buildTree() {
    const std::vector<int> parents = topicParents(topics);
    topicOrder.clear();
    for (std::size_t index = 0; index < topics.size(); ++index) {
        auto* node = parents[index] == 0 ? new QTreeWidgetItem(tree)
                                         : new QTreeWidgetItem(topicOrder[parents[index] - 1]);
        node->setText(0, fromHelpBytes(topics[index].title));
        node->setData(0, Qt::UserRole, static_cast<int>(index) + 1);
        topicOrder.push_back(node);
    }
    for (auto* node : topicOrder) {
        node->setExpanded(true);
    }
    if (topicOrder.empty()) {
        return;
    }
    // The first topic is shown without passing through the selection handling, so no
    // node is marked and the status field stays empty until the topic changes.
    const QSignalBlocker quiet(tree);
    tree->setCurrentItem(topicOrder.front());
    selectedNode = topicOrder.front();
    showTopicText(1);
}

QTreeWidgetItem* HelpWindow::nodeOf(int topic) const {
    if (topic < 1 || topic > static_cast<int>(topicOrder.size())) {
        return nullptr;
    }
    return topicOrder[topic - 1];
}

// The pane is named after its topic, so a screen reader says which topic it reads.
void HelpWindow::showTopicText(int topic) {
    currentTopicNumber = topic;
    const std::string& title = topics[topic - 1].title;
    textPane->setPlainText(QString::fromStdString(topicDisplayText(topics[topic - 1].text)));
    textPane->setAccessibleName(fromHelpBytes(shownTitle(title)));
    heading->setText(fromHelpBytes(headingText(title)));
}

void HelpWindow::showSelectedTopic() {
    setBold(markedNode, false);
    QTreeWidgetItem* node = tree->selectedItems().value(0, nullptr);
    selectedNode = node;
    markedNode = node;
    if (node == nullptr) {
        return;
    }
    setBold(node, false);
    showTopicText(topicOfNode(node));
    const std::string& title = topics[currentTopicNumber - 1].title;
    QTreeWidgetItem* parentNode = node->parent();
    const std::string parentTitle =
        parentNode != nullptr ? topics[topicOfNode(parentNode) - 1].title : std::string();
    topicField->setText(fromHelpBytes(topicStatusText(parentTitle, title, parentNode != nullptr)));
}

void HelpWindow::setBold(QTreeWidgetItem* node, bool bold) {
    if (node == nullptr) {
        return;
    }
    QFont font = node->font(0);
    font.setBold(bold);
    node->setFont(0, font);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == textPane && event->type() == QEvent::FocusIn) {
        textPaneGainsFocus();
    } else if (watched == textPane && event->type() == QEvent::FocusOut) {
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            textPaneLosesFocus();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void HelpWindow::textPaneGainsFocus() {
    if (textHasFocus) {
        return;
    }
    textHasFocus = true;
    QTextCursor cursor = textPane->textCursor();
    cursor.clearSelection();
    textPane->setTextCursor(cursor);
    setBold(selectedNode, true);
    textPane->ensureCursorVisible();
}

void HelpWindow::textPaneLosesFocus() {
    if (!textHasFocus) {
        return;
    }
    textHasFocus = false;
    setBold(selectedNode, false);
    if (selectedNode != nullptr) {
        tree->setCurrentItem(selectedNode);
    }
}

void HelpWindow::switchFocus() {
    if (!textHasFocus) {
        textPane->setFocus(Qt::OtherFocusReason);
        textPaneGainsFocus();
        return;
    }
    QTextCursor cursor = textPane->textCursor();
    cursor.clearSelection();
    textPane->setTextCursor(cursor);
    textHasFocus = false;
    QTreeWidgetItem* node = markedNode;
    if (node != nullptr) {
        tree->setCurrentItem(node);
        setBold(node, false);
    }
    tree->setFocus(Qt::OtherFocusReason);
}

void HelpWindow::showMenuAt(QMenu* menu, const QPoint& screenPoint) {
    menu->exec(screenPoint);
}

void HelpWindow::showMenuForFocus() {
    QWidget* control = textHasFocus ? static_cast<QWidget*>(textPane) : tree;
    QMenu* menu = textHasFocus ? textMenu : treeMenu;
    showMenuAt(menu, control->mapToGlobal(QPoint(40, 50)));
}

void HelpWindow::onTreeContextMenu(const QPoint& pos) {
    QTreeWidgetItem* node = tree->itemAt(pos);
    if (node == nullptr) {
        return;
    }
    tree->setCurrentItem(node);
    if (currentTopicNumber != topicOfNode(node)) {
        showTopicText(topicOfNode(node));
    }
    showMenuAt(treeMenu, tree->viewport()->mapToGlobal(pos));
}
