// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/AnswerBox.h"
#include "common/DialogFrame.h"
#include "common/GrowingLayout.h"
#include "common/ScreenReaderNotice.h"
#include "common/TextSize.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int clientWidth = 640;
constexpr int clientHeight = 400;
constexpr int problemFontPoints = 40;
constexpr int instructionFontPoints = 15;
constexpr int testTickMs = 1000;
const char problemClass[] = "ProblemOnScreen";

// The problem's labels read as one sentence ("7 times 2 equals"): the widget holding them
// is one static text, named after the problem, with no children of its own to read.
class ProblemAccessible : public QAccessibleWidget {
public:
    explicit ProblemAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StaticText) {}
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

QAccessibleInterface* problemAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && className == QLatin1String("QWidget") &&
        widget->property(problemClass).toBool()) {
        return new ProblemAccessible(widget);
    }
    return nullptr;
}

} // namespace

QFont MainWindow::controlFont(ControlFont font, const QFont& base) {
    switch (font) {
    case ControlFont::Problem:
        return QFont(base.family(), qRound(problemFontPoints * textScale()), QFont::Bold);
    case ControlFont::Instruction:
        return QFont(base.family(), qRound(instructionFontPoints * textScale()), QFont::Bold, true);
    case ControlFont::Standard:
        break;
    }
    return base;
}

namespace {
QLabel* newLabel(QWidget* parent, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setAlignment(alignment);
    return label;
}
} // namespace

// The icons live in this static library; referencing them keeps the linker from dropping them.
static void initResources() {
    Q_INIT_RESOURCE(app);
}

MainWindow::MainWindow(AppContext& context)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      context_(context), actions_(createMainActions(this)), engine_(clock_, context.student) {
    setWindowTitle(QStringLiteral("Tallyburrow"));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    client_->resize(clientWidth, clientHeight);
    initResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/happy32.png"));
    icon.addFile(QStringLiteral(":/icons/happy16.png"));
    setWindowIcon(icon);
    buildControls();
    growWithText(client_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    setColours();
    connectActions();
    watchKeys();
    centreOnScreen();
    startPosition_ = pos();
    connectPractice();
    showView(engine_.view());
}

void MainWindow::buildControls() {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(problemAccessible);
        return true;
    }();
    (void)factoryInstalled;
    QWidget* problem = nullptr;
    for (const MainWindowControl& entry : mainWindowControls) {
        QWidget* widget = buildControl(entry, problem);
        if (entry.kind == MainControlKind::Problem) {
            problem = widget;
        }
        widget->setObjectName(QString::number(entry.id));
        const QRect rect = widget->parentWidget() == problem && problem != nullptr
                               ? entry.rect.translated(-problem->pos())
                               : entry.rect;
        widget->setGeometry(rect);
        if (entry.font != ControlFont::Standard) {
            widget->setFont(controlFont(entry.font, font()));
        }
        widget->setVisible(entry.shownAtStart);
        controls_.insert(entry.id, widget);
    }
    if (problem != nullptr) {
        growWithText(problem);
    }
    notice_ = new ScreenReaderNotice(client_);
    notice_->setObjectName(QStringLiteral("notice"));
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::FontChange) {
        return;
    }
    for (const MainWindowControl& entry : mainWindowControls) {
        if (entry.font != ControlFont::Standard) {
            control(entry.id)->setFont(controlFont(entry.font, font()));
        }
    }
    showView(engine_.view());
}

QWidget* MainWindow::buildControl(const MainWindowControl& entry, QWidget* problem) {
    const QString text = QString::fromUtf8(entry.text);
    switch (entry.kind) {
    case MainControlKind::Panel: {
        auto* panel = new QLabel(client_);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The strip keeps the system's face colour; only the practice area is white.
        QPalette face = panel->palette();
        face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
        panel->setPalette(face);
        panel->setAutoFillBackground(true);
        return panel;
    }
    case MainControlKind::ToolbarButton: {
        // The button shows its action, and Enter on it presses it as on a dialog's button.
        QAction* action = actions_.toolbar().at(entry.id - MainId::learn);
        auto* button = new QPushButton(action->text(), client_);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button,
                [button, action] { button->setText(action->text()); });
        return button;
    }
    case MainControlKind::Problem: {
        auto* holder = new QWidget(client_);
        holder->setProperty(problemClass, true);
        return holder;
    }
    case MainControlKind::ProblemLabel:
        return newLabel(problem, Qt::AlignCenter);
    case MainControlKind::AnswerLabel: {
        QLabel* label = newLabel(client_, Qt::AlignLeft | Qt::AlignVCenter);
        label->setFocusPolicy(Qt::ClickFocus);
        label->setAccessibleName(tr("Answer")); // until a problem names it
        return label;
    }
    case MainControlKind::PracticeButton:
        return new QPushButton(text, client_);
    case MainControlKind::TextLabel:
        return newLabel(client_, Qt::AlignLeft | Qt::AlignVCenter);
    case MainControlKind::AnswerBox: {
        auto* box = new AnswerBox(client_);
        box->setFrame(false);
        box->setAccessibleName(tr("Answer"));
        return box;
    }
    case MainControlKind::HappyImage: {
        QLabel* image = newLabel(client_, Qt::AlignCenter);
        image->setPixmap(QPixmap(QStringLiteral(":/icons/happy32.png")));
        image->setAccessibleName(tr("Happy face: well done"));
        return image;
    }
    case MainControlKind::TimeBar: {
        auto* bar = new QProgressBar(client_);
        // Named in words ("Time used: 18 seconds of 60") and read without a value: a screen
        // reader says a bar's value as a bare percentage every few seconds.
        setPlainAccessibleRole(bar, QAccessible::ProgressBar);
        bar->setAccessibleName(tr("Time used"));
        bar->setTextVisible(false);
        return bar;
    }
    }
    return nullptr;
}

void MainWindow::connectPractice() {
    testTimer_.setInterval(testTickMs);
    connect(&testTimer_, &QTimer::timeout, this, [this] { practise([](auto& e) { e.tick(); }); });
    connect(&flashTimer_, &QTimer::timeout, this, [this] { practise([](auto& e) { e.tick(); }); });
    // Only the child's own edits: the box's text set from the view is not an answer.
    connect(controlAs<QLineEdit>(MainId::answerBox), &QLineEdit::textEdited, this,
            [this](const QString& text) {
                practise([&text](auto& e) { e.answerTyped(text.toStdString()); });
            });
    connect(controlAs<QPushButton>(MainId::next), &QPushButton::clicked, actions_.next,
            &QAction::trigger);
    connect(controlAs<QPushButton>(MainId::showAnswer), &QPushButton::clicked, actions_.showAnswer,
            &QAction::trigger);
}

void MainWindow::setColours() {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
}

// The window's keys trigger their actions from the key presses that reach its controls (see
// MainActions.h); a key held down acts once.
void MainWindow::watchKeys() {
    installEventFilter(this);
    for (QWidget* widget : findChildren<QWidget*>()) {
        widget->installEventFilter(this);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (QAction* action = actionForKey(actions_, *key)) {
            if (key->isAutoRepeat()) {
                return true;
            }
            if (action == actions_.next && pressToolbarButton(watched)) {
                return false; // the button presses itself
            }
            action->trigger();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Enter on a toolbar button presses it (the button's own Enter handling), unless the run keeps
// Enter for itself.
bool MainWindow::pressToolbarButton(QObject* watched) {
    const int id = watched->objectName().toInt();
    if (id < MainId::learn || id > MainId::help || engine_.keepsEnter()) {
        return false;
    }
    practise([id](auto& e) { e.enterPressed(static_cast<ToolbarButton>(id - MainId::learn)); });
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    testTimer_.stop();
    flashTimer_.stop();
    event->accept();
    emit ended();
}

void MainWindow::centreOnScreen() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}
