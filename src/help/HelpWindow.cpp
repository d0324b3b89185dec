#include "help/HelpWindow.h"

#include "help/FindDialog.h"
#include "help/HelpText.h"
#include "help/HelpTree.h"
#include "help/Windows1252.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStatusBar>
#include <QTextBlock>
#include <QTreeWidget>

namespace {

const QColor headingGrey(211, 211, 211);
const QColor paleYellow(255, 250, 205);

QString idName(HelpWindow::ControlId id) {
    return QString::number(static_cast<int>(id));
}

QString fromHelpBytes(const std::string& bytes) {
    return QString::fromStdString(windows1252ToUtf8(bytes));
}

QFont defaultFontOfSize(int points) {
    QFont font;
    font.setPointSize(points);
    return font;
}

void paint(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

void place(QWidget* widget, const PixelRect& rect) {
    widget->setGeometry(rect.x, rect.y, rect.width, rect.height);
}

// The text pane: 12 pixels kept free left and right of the text, inside the scroll bar.
class TopicTextPane : public QPlainTextEdit {
public:
    explicit TopicTextPane(QWidget* parent) : QPlainTextEdit(parent) {
        setViewportMargins(12, 0, 12, 0);
    }
};

int topicOfNode(const QTreeWidgetItem* node) {
    return node->data(0, Qt::UserRole).toInt();
}

} // namespace

HelpWindow::HelpWindow(std::vector<HelpTopic> helpTopics, const QString& caption,
                       SearchState& searchState, TopicPrinter topicPrinter)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      topics(std::move(helpTopics)), search(searchState), printer(std::move(topicPrinter)),
      layout(initialHelpLayout()) {
    setObjectName("helpWindow");
    setWindowTitle(caption.isEmpty() ? QString("Application Help") : caption);
    QIcon icon;
    icon.addFile(":/help/GenHelp16.png", QSize(16, 16));
    icon.addFile(":/help/GenHelp32.png", QSize(32, 32));
    setWindowIcon(icon);
    resize(helpClientWidth, helpClientHeight);
    createControls();
    buildTree();
    createMenus();
    createKeys();
    applyLayout();
}

void HelpWindow::createControls() {
    tree = new QTreeWidget(this);
    tree->setObjectName(idName(ControlId::TopicTree));
    tree->setAccessibleName("Help topics");
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(false);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setFont(defaultFontOfSize(10));
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette treePalette = tree->palette();
    treePalette.setColor(QPalette::Inactive, QPalette::Highlight,
                         treePalette.color(QPalette::Active, QPalette::Highlight));
    treePalette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         treePalette.color(QPalette::Active, QPalette::HighlightedText));
    tree->setPalette(treePalette);
    connect(tree, &QTreeWidget::itemSelectionChanged, this, &HelpWindow::showSelectedTopic);
    connect(tree, &QWidget::customContextMenuRequested, this, &HelpWindow::onTreeContextMenu);

    heading = new QLabel(this);
    heading->setObjectName(idName(ControlId::TopicHeading));
    heading->setTextFormat(Qt::PlainText);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setFont(defaultFontOfSize(12));
    heading->setAutoFillBackground(true);
    paint(heading, QPalette::Window, headingGrey);
    paint(heading, QPalette::WindowText, Qt::black);

    band = new QLabel(this);
    band->setObjectName(idName(ControlId::HeadingBand));
    band->setAccessibleName("Heading band");
    band->setAutoFillBackground(true);
    paint(band, QPalette::Window, paleYellow);
    paint(band, QPalette::WindowText, paleYellow);

    textPane = new TopicTextPane(this);
    textPane->setObjectName(idName(ControlId::TopicText));
    textPane->setAccessibleName("Topic text");
    textPane->setReadOnly(true);
    textPane->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    textPane->setFrameShape(QFrame::NoFrame);
    textPane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textPane->setFont(defaultFontOfSize(10));
    textPane->setTabStopDistance(8.0 * textPane->fontMetrics().averageCharWidth());
    textPane->setContextMenuPolicy(Qt::CustomContextMenu);
    textPane->setStyleSheet("QPlainTextEdit { background: rgb(255, 250, 205); color: black; "
                            "border: none; }");
    textPane->installEventFilter(this);
    connect(textPane, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        showMenuAt(textMenu, textPane->viewport()->mapToGlobal(pos));
    });

    bar = new QLabel(this);
    bar->setObjectName(idName(ControlId::SplitterBar));
    bar->setAccessibleName("Splitter bar");
    bar->setCursor(Qt::SplitHCursor);
    bar->installEventFilter(this);

    statusBar = new QStatusBar(this);
    statusBar->setObjectName(idName(ControlId::HelpStatusBar));
    statusBar->setAccessibleName("Help status");
    hintField = new QLabel(helpMenuHint, statusBar);
    hintField->setObjectName("statusHint");
    topicField = new QLabel(statusBar);
    topicField->setObjectName("statusTopic");
    statusBar->addWidget(hintField);
    statusBar->addWidget(topicField, 1);
}

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
    heading->setText(QString::fromStdString(windows1252ToUtf8(headingText(topics[0].title))));
}

void HelpWindow::createMenus() {
    const auto addItem = [this](QMenu* menu, const QString& label, Command command) {
        QAction* action = menu->addAction(label);
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    };
    treeMenu = new QMenu(this);
    treeMenu->setObjectName("treeMenu");
    textMenu = new QMenu(this);
    textMenu->setObjectName("textMenu");
    for (QMenu* menu : {treeMenu, textMenu}) {
        addItem(menu, "Find text\tCTRL+F", Command::FindText);
        addItem(menu, "Next\tF3", Command::Next);
        addItem(menu, "Prev\tSHFT+F3", Command::Previous);
        addItem(menu, "Find cancel\tEscape", Command::CancelFind);
        menu->addSeparator();
    }
    addItem(treeMenu, "Expand topics", Command::ExpandAll);
    addItem(treeMenu, "Collapse topics", Command::CollapseAll);
    treeMenu->addSeparator();
    addItem(treeMenu, "Print text\tCTRL+P", Command::Print);
    addItem(textMenu, "Print item\tCTRL+P", Command::Print);
}

void HelpWindow::createKeys() {
    const std::pair<QKeySequence, Command> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_F), Command::FindText},
        {QKeySequence(Qt::Key_F2), Command::SwitchFocus},
        {QKeySequence(Qt::Key_F3), Command::Next},
        {QKeySequence(Qt::SHIFT | Qt::Key_F3), Command::Previous},
        {QKeySequence(Qt::CTRL | Qt::Key_P), Command::Print},
        {QKeySequence(Qt::Key_F10), Command::ShowMenu},
        {QKeySequence(Qt::Key_Escape), Command::CancelFind},
    };
    for (const auto& [sequence, command] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, cmd = command] { runCommand(cmd); });
    }
}

void HelpWindow::applyLayout() {
    place(tree, layout.tree);
    place(heading, layout.heading);
    place(band, layout.band);
    place(textPane, layout.text);
    place(bar, layout.bar);
    const int statusHeight = statusBar->sizeHint().height();
    statusBar->setGeometry(0, height() - statusHeight, width(), statusHeight);
    hintField->setFixedWidth(layout.firstStatusFieldEnd);
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layout = resizedHelpLayout(layout, width(), height());
    applyLayout();
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    emit closed();
}

void HelpWindow::runCommand(Command command) {
    switch (command) {
    case Command::FindText:
        findText();
        break;
    case Command::Next:
        showFindOutcome(findNext(search, topics));
        break;
    case Command::Previous:
        showFindOutcome(findPrevious(search, topics));
        break;
    case Command::Print:
        printCurrentTopic();
        break;
    case Command::ExpandAll:
    case Command::CollapseAll:
        for (auto* node : topicOrder) {
            node->setExpanded(command == Command::ExpandAll);
        }
        break;
    case Command::ShowMenu:
        showMenuForFocus();
        break;
    case Command::SwitchFocus:
        switchFocus();
        break;
    case Command::CancelFind:
        cancelFindOrClose();
        break;
    }
}

QTreeWidgetItem* HelpWindow::nodeOf(int topic) const {
    if (topic < 1 || topic > static_cast<int>(topicOrder.size())) {
        return nullptr;
    }
    return topicOrder[topic - 1];
}

void HelpWindow::showTopicText(int topic) {
    currentTopicNumber = topic;
    textPane->setPlainText(QString::fromStdString(topicDisplayText(topics[topic - 1].text)));
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
    heading->setText(QString::fromStdString(windows1252ToUtf8(headingText(title))));
    QTreeWidgetItem* parentNode = node->parent();
    const std::string parentTitle =
        parentNode != nullptr ? topics[topicOfNode(parentNode) - 1].title : std::string();
    topicField->setText(QString::fromStdString(
        windows1252ToUtf8(topicStatusText(parentTitle, title, parentNode != nullptr))));
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
    } else if (watched == bar) {
        return handleBarMouse(event);
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
    showMenuAt(menu, mapToGlobal(control->pos()) + QPoint(40, 50));
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

void HelpWindow::showOccurrence(int topic, int position, int length) {
    QTreeWidgetItem* node = nodeOf(topic);
    if (node == nullptr) {
        return;
    }
    tree->setCurrentItem(node);
    if (currentTopicNumber != topic) {
        showTopicText(topic);
    }
    tree->clearSelection();
    setBold(node, true);
    textPane->setFocus(Qt::OtherFocusReason);
    textPaneGainsFocus();
    const std::string& text = topics[topic - 1].text;
    QTextCursor cursor = textPane->textCursor();
    cursor.setPosition(displayOffset(text, position - 1));
    cursor.setPosition(displayOffset(text, position - 1 + length), QTextCursor::KeepAnchor);
    textPane->setTextCursor(cursor);
    textPane->ensureCursorVisible();
    markedNode = node;
    textHasFocus = true;
}

void HelpWindow::reportNothingFound(const FindOutcome& outcome) {
    const bool noneAtAll = outcome.result == FindResult::NoneFound;
    QMessageBox box(QMessageBox::NoIcon, fromHelpBytes(search.searchText),
                    noneAtAll ? noneFoundText : noMoreFoundText, QMessageBox::Ok, this);
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
    QTreeWidgetItem* node = nodeOf(outcome.topic);
    if (node == nullptr) {
        return;
    }
    tree->setCurrentItem(node);
    if (currentTopicNumber != outcome.topic) {
        showTopicText(outcome.topic);
    }
    tree->clearSelection();
    setBold(node, true);
    markedNode = node;
    const std::string& text = topics[outcome.topic - 1].text;
    QTextCursor cursor = textPane->textCursor();
    cursor.setPosition(displayOffset(text, outcome.position - 1));
    cursor.setPosition(displayOffset(text, outcome.position - 1 + outcome.length),
                       QTextCursor::KeepAnchor);
    textPane->setTextCursor(cursor);
    textPane->ensureCursorVisible();
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
    printer(topic);
}

bool HelpWindow::handleBarMouse(QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        dragging = true;
        layoutAtDragStart = layout;
    } else if (type == QEvent::MouseMove && dragging) {
        const int x = bar->mapTo(this, mouse->position().toPoint()).x();
        if (x != layout.bar.x) {
            layout = draggedHelpLayout(layoutAtDragStart, x - layoutAtDragStart.bar.x);
            applyLayout();
        }
    } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
        dragging = false;
    }
    return true;
}
