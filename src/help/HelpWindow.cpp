// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpWindow.h"

#include "help/HelpTree.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int firstWidth = 640;
constexpr int firstHeight = 370;

constexpr std::array<ControlRow, 5> helpControls = {{
    {ControlKind::Placed, "105", QT_TRANSLATE_NOOP("HelpWindow", "Help topics and text"),
     QRect(10, 5, 615, 340)},
    {ControlKind::Placed, "101", QT_TRANSLATE_NOOP("HelpWindow", "Help topics"),
     QRect(10, 5, 235, 330), 10},
    {ControlKind::Placed, "102", "", QRect(250, 5, 358, 23), 12}, // read as its text
    {ControlKind::Placed, "103", QT_TRANSLATE_NOOP("HelpWindow", "Heading band"),
     QRect(250, 28, 358, 12)},
    {ControlKind::Placed, "104", "", QRect(250, 40, 375, 305), 10}, // named after its topic
}};

const ControlRow& row(HelpWindow::ControlId id) {
    return rowNamed(helpControls, QByteArray::number(static_cast<int>(id)).constData());
}

const QColor headingGrey(211, 211, 211);
const QColor paleYellow(255, 250, 205);

void paint(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

// The text pane: 12 pixels kept free left and right of the text, inside the scroll bar.
class TopicTextPane : public QPlainTextEdit {
public:
    explicit TopicTextPane(QWidget* parent) : QPlainTextEdit(parent) {
        setViewportMargins(12, 0, 12, 0);
    }
};

// The status bar's first field takes 65% of its width, the second the rest.
constexpr int hintFieldShare = 65;
constexpr int topicFieldShare = 35;

} // namespace

std::span<const ControlRow> HelpWindow::controls() {
    return helpControls;
}

HelpWindow::HelpWindow(std::vector<HelpTopic> helpTopics, const QString& caption,
                       SearchState& searchState, TopicPrinter topicPrinter)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      topics(std::move(helpTopics)), search(searchState), printer(std::move(topicPrinter)) {
    setObjectName("helpWindow");
    setWindowTitle(caption.isEmpty() ? tr("Application Help") : caption);
    QIcon icon;
    icon.addFile(":/help/GenHelp16.png", QSize(16, 16));
    icon.addFile(":/help/GenHelp32.png", QSize(32, 32));
    setWindowIcon(icon);
    resize(firstWidth, firstHeight);
    createControls();
    buildTree();
    createMenus();
    createKeys();
}

// The splitter fills the window inside the margins it has at the first size, above the status
// bar, and follows the window's size; the tree keeps its width and the text side takes what is
// left. The bar can be dragged until either side is as narrow as the text side's scroll bar
// allows.
void HelpWindow::createControls() {
    auto* central = new QWidget(this);
    splitter = new QSplitter(Qt::Horizontal, central);
    placeControl(splitter, "HelpWindow", row(ControlId::SplitterBar));
    QWidget* treeSide = createTreeSide();
    QWidget* topicSide = createTopicSide();
    splitter->addWidget(treeSide);
    splitter->addWidget(topicSide);
    const QRect& treeRect = row(ControlId::TopicTree).rect;
    const QRect& textRect = row(ControlId::TopicText).rect;
    splitter->setHandleWidth(textRect.left() - treeRect.right() - 1);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({treeRect.width(), textRect.width()});
    splitter->handle(1)->setCursor(Qt::SplitHCursor);
    createStatusBar();
    const QRect first = row(ControlId::SplitterBar).rect;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(
        first.left(), first.top(), firstWidth - first.right() - 1,
        std::max(0, firstHeight - first.bottom() - 1 - statusBar->sizeHint().height()));
    layout->addWidget(splitter);
    setCentralWidget(central);
}

QWidget* HelpWindow::createTreeSide() {
    auto* side = new QWidget;
    side->setMinimumWidth(0);
    tree = new QTreeWidget(side);
    placeControl(tree, "HelpWindow", row(ControlId::TopicTree));
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(false);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette treePalette = tree->palette();
    treePalette.setColor(QPalette::Inactive, QPalette::Highlight,
                         treePalette.color(QPalette::Active, QPalette::Highlight));
    treePalette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         treePalette.color(QPalette::Active, QPalette::HighlightedText));
    tree->setPalette(treePalette);
    connect(tree, &QTreeWidget::itemSelectionChanged, this, &HelpWindow::showSelectedTopic);
    connect(tree, &QWidget::customContextMenuRequested, this, &HelpWindow::onTreeContextMenu);

    auto* layout = new QVBoxLayout(side);
    const int below = row(ControlId::SplitterBar).rect.bottom() - tree->geometry().bottom();
    layout->setContentsMargins(0, 0, 0, below);
    layout->addWidget(tree);
    return side;
}

// Heading and band stop where the text pane's scroll bar begins.
QWidget* HelpWindow::createTopicSide() {
    auto* side = new QWidget;
    heading = new QLabel(side);
    placeControl(heading, "HelpWindow", row(ControlId::TopicHeading));
    heading->setTextFormat(Qt::PlainText);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setAutoFillBackground(true);
    paint(heading, QPalette::Window, headingGrey);
    paint(heading, QPalette::WindowText, Qt::black);

    band = new QLabel(side);
    placeControl(band, "HelpWindow", row(ControlId::HeadingBand));
    band->setAutoFillBackground(true);
    paint(band, QPalette::Window, paleYellow);

    textPane = new TopicTextPane(side);
    placeControl(textPane, "HelpWindow", row(ControlId::TopicText));
    textPane->setReadOnly(true);
    textPane->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    textPane->setFrameShape(QFrame::NoFrame);
    textPane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textPane->setTabStopDistance(8.0 * textPane->fontMetrics().averageCharWidth());
    textPane->setContextMenuPolicy(Qt::CustomContextMenu);
    textPane->setStyleSheet("QPlainTextEdit { background: rgb(255, 250, 205); color: black; "
                            "border: none; }");
    textPane->installEventFilter(this);
    connect(textPane, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        showMenuAt(textMenu, textPane->viewport()->mapToGlobal(pos));
    });

    const QRect textRect = textPane->geometry();
    auto* layout = new QGridLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setColumnStretch(0, 1);
    layout->setColumnMinimumWidth(1, textRect.width() - heading->width());
    layout->setRowStretch(2, 1);
    heading->setFixedHeight(std::max(heading->height(), heading->sizeHint().height()));
    band->setFixedHeight(textRect.top() - band->y());
    layout->addWidget(heading, 0, 0);
    layout->addWidget(band, 1, 0);
    layout->addWidget(textPane, 2, 0, 1, 2);
    side->setMinimumWidth(textRect.width() - heading->width());
    return side;
}

void HelpWindow::createStatusBar() {
    statusBar = new QStatusBar(this);
    statusBar->setObjectName(controlName(static_cast<int>(ControlId::HelpStatusBar)));
    statusBar->setAccessibleName(tr("Help status"));
    hintField = new QLabel(tr(helpMenuHint), statusBar);
    hintField->setObjectName("statusHint");
    topicField = new QLabel(statusBar);
    topicField->setObjectName("statusTopic");
    statusBar->addWidget(hintField, hintFieldShare);
    statusBar->addWidget(topicField, topicFieldShare);
    setStatusBar(statusBar);
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
        addItem(menu, tr("Find text\tCTRL+F"), Command::FindText);
        addItem(menu, tr("Next\tF3"), Command::Next);
        addItem(menu, tr("Prev\tSHFT+F3"), Command::Previous);
        addItem(menu, tr("Find cancel\tEscape"), Command::CancelFind);
        menu->addSeparator();
    }
    addItem(treeMenu, tr("Expand topics"), Command::ExpandAll);
    addItem(treeMenu, tr("Collapse topics"), Command::CollapseAll);
    treeMenu->addSeparator();
    addItem(treeMenu, tr("Print text\tCTRL+P"), Command::Print);
    addItem(textMenu, tr("Print item\tCTRL+P"), Command::Print);
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
