// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/AnswerBox.h"
#include "common/DialogFrame.h"
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
#include <QShortcut>
#include <QTimer>

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

void MainWindow::addAccelerators() {
    const std::pair<QKeySequence, int> accelerators[] = {
        {QKeySequence(Qt::Key_Return), MainId::enterKey},
        {QKeySequence(Qt::Key_Enter), MainId::enterKey},
        {QKeySequence(Qt::Key_Space), MainId::spaceKey},
        {QKeySequence(Qt::Key_L), MainId::learn},
        {QKeySequence(Qt::Key_D), MainId::drill},
        {QKeySequence(Qt::Key_T), MainId::test},
        {QKeySequence(Qt::Key_R), MainId::report},
        {QKeySequence(Qt::Key_C), MainId::config},
        {QKeySequence(Qt::Key_Q), MainId::quit},
        {QKeySequence(Qt::Key_H), MainId::help},
        {QKeySequence(Qt::Key_Escape), MainId::escapeKey},
        {QKeySequence(Qt::Key_F1), MainId::help},
    };
    for (const auto& [keys, id] : accelerators) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, [this, id = id]() { command(id); });
    }
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
