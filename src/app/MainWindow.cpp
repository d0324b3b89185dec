// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/AnswerBox.h"
#include "common/DialogFrame.h"
#include "common/ScreenReaderNotice.h"
#include "common/Version.h"
#include "help/HelpInstall.h"
#include "help/HelpLocation.h"
#include "records/GreetingDialog.h"
#include "records/StudentFolder.h"
#include "records/StudentOpening.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <QKeyEvent>
#include <optional>

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
        return QFont(base.family(), problemFontPoints, QFont::Bold);
    case ControlFont::Instruction:
        return QFont(base.family(), instructionFontPoints, QFont::Bold, true);
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

MainWindow::MainWindow(AppContext& context, const std::filesystem::path& dataFolderPath)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      context_(context), engine_(clock_, context.student) {
    setWindowTitle(QStringLiteral("Tallyburrow"));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    setFixedSize(clientWidth, clientHeight);
    initResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/happy32.png"));
    icon.addFile(QStringLiteral(":/icons/happy16.png"));
    setWindowIcon(icon);
    buildControls();
    initialise(dataFolderPath);
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
    notice_ = new ScreenReaderNotice(client_);
    notice_->setObjectName(QStringLiteral("notice"));
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
        auto* button = new QPushButton(text, client_);
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &QPushButton::clicked, this, [this, id = entry.id] { command(id); });
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
        label->setAccessibleName(QStringLiteral("Answer")); // until a problem names it
        return label;
    }
    case MainControlKind::PracticeButton:
        return new QPushButton(text, client_);
    case MainControlKind::TextLabel:
        return newLabel(client_, Qt::AlignLeft | Qt::AlignVCenter);
    case MainControlKind::AnswerBox: {
        auto* box = new AnswerBox(client_);
        box->setFrame(false);
        box->setAccessibleName(QStringLiteral("Answer"));
        return box;
    }
    case MainControlKind::HappyImage: {
        QLabel* image = newLabel(client_, Qt::AlignCenter);
        image->setPixmap(QPixmap(QStringLiteral(":/icons/happy32.png")));
        image->setAccessibleName(QStringLiteral("Happy face: well done"));
        return image;
    }
    case MainControlKind::TimeBar: {
        auto* bar = new QProgressBar(client_);
        // Named in words ("Time used: 18 seconds of 60") and read without a value: a screen
        // reader says a bar's value as a bare percentage every few seconds.
        setPlainAccessibleRole(bar, QAccessible::ProgressBar);
        bar->setAccessibleName(QStringLiteral("Time used"));
        bar->setTextVisible(false);
        return bar;
    }
    }
    return nullptr;
}

void MainWindow::initialise(const std::filesystem::path& dataFolderPath) {
    setColours();
    addAccelerators();
    centreOnScreen();
    initDataFolder(dataFolderPath, context_.data, context_.settings);
    const ReadOutcome& settingsRead = context_.data.settingsRead;
    if (settingsRead.status != ReadStatus::Loaded && settingsRead.status != ReadStatus::Missing) {
        QMessageBox::warning(nullptr, QStringLiteral("Settings not read"),
                             settingsProblemText(context_.data.settingsPath, settingsRead.reason));
    }
    installHelpFile(context_.data.helpPath, installedHelpFilePath());
    if (!helpFileExists(context_.data)) {
        QMessageBox::critical(nullptr, QStringLiteral("Helpfile not found"),
                              QStringLiteral("Help is unavailable"));
    }
    startPosition_ = pos();
    connectPractice();
    showView(engine_.view());
    QTimer::singleShot(0, this, &MainWindow::greet); // once the window is shown
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
    connect(controlAs<QPushButton>(MainId::next), &QPushButton::clicked, this,
            [this] { command(MainId::enterKey); });
    connect(controlAs<QPushButton>(MainId::showAnswer), &QPushButton::clicked, this,
            [this] { command(MainId::spaceKey); });
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

namespace {
// The window's keys and their commands. A key counts without modifiers only (the keypad's
// Enter carries the keypad modifier), and a key held down acts once.
struct WindowKey {
    int key;
    int command;
};
constexpr WindowKey windowKeys[] = {
    {Qt::Key_Return, MainId::enterKey},  {Qt::Key_Enter, MainId::enterKey},
    {Qt::Key_Space, MainId::spaceKey},   {Qt::Key_L, MainId::learn},
    {Qt::Key_D, MainId::drill},          {Qt::Key_T, MainId::test},
    {Qt::Key_R, MainId::report},         {Qt::Key_C, MainId::config},
    {Qt::Key_Q, MainId::quit},           {Qt::Key_H, MainId::help},
    {Qt::Key_Escape, MainId::escapeKey}, {Qt::Key_F1, MainId::help},
};

std::optional<int> windowKeyCommand(const QKeyEvent& event) {
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return std::nullopt;
    }
    for (const WindowKey& entry : windowKeys) {
        if (entry.key == event.key()) {
            return entry.command;
        }
    }
    return std::nullopt;
}
} // namespace

// The window's keys are taken from the key presses that reach its controls, not by shortcuts:
// a shortcut takes its key before the accessibility bridge has passed the key to the screen
// reader, so the screen reader's own keys (the keypad's Enter is Orca's "where am I") and its
// key echo were lost. Now a key the screen reader keeps for itself never reaches the program,
// and without a screen reader every key, the keypad's Enter included, does what it did.
void MainWindow::addAccelerators() {
    installEventFilter(this);
    for (QWidget* widget : findChildren<QWidget*>()) {
        widget->installEventFilter(this);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (const std::optional<int> id = windowKeyCommand(*key)) {
            if (!key->isAutoRepeat()) {
                command(*id);
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::centreOnScreen() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(clientWidth / 2, clientHeight / 2));
    }
}

void MainWindow::greet() {
    practise([](auto& e) { e.reset(); });
    tellUnsavableFolder();
    GreetingDialog greeting(this, context_.data.studentNames, [this]() { openHelp(""); });
    if (runCentredWindowModal(greeting) != QDialog::Accepted) {
        endingAtOnce_ = true; // no quit sequence: nothing has been opened or written
        close();              // the last window: the program ends
        return;
    }
    const std::string& name = greeting.confirmedName();
    if (!openStudentOrAsk(this, context_.student, context_.data.folder, name)) {
        QTimer::singleShot(0, this, &MainWindow::greet); // another name
        return;
    }
    setWindowTitle(QStringLiteral("Tallyburrow (ver ") + QString::fromLatin1(appVersionText) +
                   QStringLiteral(") - ") + displayName(name));
    activateWindow();
}
