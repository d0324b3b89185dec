// SPDX-License-Identifier: GPL-3.0-or-later
// The help window's Find and Print commands.
#include "help/HelpWindow.h"

#include "help/FindDialog.h"
#include "help/HelpText.h"
#include "help/Windows1252.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTreeWidget>

void HelpWindow::findText() {
    const FindDialog::Answer answer = FindDialog::ask(this);
    activateWindow(); // the keys work again at once, whatever the platform reactivates
    if (answer.confirmed) {
        search.wholeWord = answer.wholeWord;
    }
    if (answer.text.empty()) {
        cancelSearch(search);
        return;
    }
    startSearch(search, answer.text, search.wholeWord);
    runCommand(Command::Next);
}

void HelpWindow::showFindOutcome(const FindOutcome& outcome) {
    switch (outcome.result) {
    case FindResult::NoSearch:
        break;
    case FindResult::Found:
        showOccurrence(outcome.topic, outcome.position, outcome.length);
        break;
    case FindResult::NoneFound:
    case FindResult::NoMoreFound:
        reportNothingFound(outcome);
        break;
    }
}

// The occurrence's topic is shown, its node marked in bold, and the text pane takes the focus
// with the occurrence selected.
void HelpWindow::showOccurrence(int topic, int position, int length) {
    if (nodeOf(topic) == nullptr) {
        return;
    }
    textPane->setFocus(Qt::OtherFocusReason);
    textPaneGainsFocus();
    markOccurrence(topic, position, length);
    textHasFocus = true;
}

// Selects the node of the topic, clears the tree's selection, marks the node in bold and
// selects the occurrence (1-based byte position in the topic's text) in the text pane.
void HelpWindow::markOccurrence(int topic, int position, int length) {
    QTreeWidgetItem* node = nodeOf(topic);
    tree->setCurrentItem(node);
    if (currentTopicNumber != topic) {
        showTopicText(topic);
    }
    tree->clearSelection();
    setBold(node, true);
    markedNode = node;
    const std::string& text = topics[topic - 1].text;
    QTextCursor cursor = textPane->textCursor();
    cursor.setPosition(displayOffset(text, position - 1));
    cursor.setPosition(displayOffset(text, position - 1 + length), QTextCursor::KeepAnchor);
    textPane->setTextCursor(cursor);
    textPane->ensureCursorVisible();
}

// The message box takes the focus away; it is given back at once to the control that had
// it (the text pane's focus handling runs now, not whenever the platform reactivates the
// window), so the occurrence selected again afterwards stays selected.
void HelpWindow::reportNothingFound(const FindOutcome& outcome) {
    const bool noneAtAll = outcome.result == FindResult::NoneFound;
    const bool paneHadFocus = textHasFocus;
    QMessageBox box(QMessageBox::NoIcon,
                    QString::fromStdString(windows1252ToUtf8(search.searchText)),
                    tr(noneAtAll ? noneFoundText : noMoreFoundText), QMessageBox::Ok, this);
    box.setObjectName("findReport");
    box.exec();
    activateWindow();
    if (noneAtAll) {
        tree->setFocus(Qt::OtherFocusReason);
        if (QTreeWidgetItem* node = nodeOf(currentTopicNumber)) {
            tree->setCurrentItem(node);
            node->setSelected(true);
        }
        return;
    }
    if (paneHadFocus) {
        textPane->setFocus(Qt::OtherFocusReason);
        textPaneGainsFocus();
    }
    if (nodeOf(outcome.topic) != nullptr) {
        markOccurrence(outcome.topic, outcome.position, outcome.length);
    }
}

void HelpWindow::cancelFindOrClose() {
    if (search.searchText.empty()) {
        close();
        return;
    }
    QTextCursor cursor = textPane->textCursor();
    cursor.clearSelection();
    textPane->setTextCursor(cursor);
    cancelSearch(search);
}

void HelpWindow::printCurrentTopic() {
    if (currentTopicNumber < 1 || !printer) {
        return;
    }
    const HelpTopic& topic = topics[currentTopicNumber - 1];
    if (topic.text.empty()) {
        return;
    }
    printer(topic, this);
}
