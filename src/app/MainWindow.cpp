#include "app/MainWindow.h"

#include "app/AnswerBox.h"
#include "common/DialogFrame.h"
#include "common/Version.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/ResultsWindow.h"
#include "help/HelpInstall.h"
#include "help/HelpLocation.h"
#include "records/GreetingDialog.h"
#include "records/StudentOpening.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace {
constexpr int clientWidth = 640;
constexpr int clientHeight = 400;
constexpr int toolbarButtonWidth = 80;
constexpr int toolbarButtonHeight = 25;
constexpr int problemFontPoints = 40;
constexpr int instructionFontPoints = 15;
const QEvent::Type msgGreet = static_cast<QEvent::Type>(QEvent::User + 100);
constexpr int wrongAnswerStyle = 64;
const QColor wrongAnswerColour(255, 0, 0);

QString objectNameOf(ControlId id) {
    return QString::number(static_cast<int>(id));
}

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

// The icons live in this static library; referencing them keeps the linker from dropping them.
static void initResources() {
    Q_INIT_RESOURCE(app);
}

MainWindow::MainWindow(AppContext& context, const std::filesystem::path& dataFolderPath)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      context_(context) {
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
    controls_.nextButton->hide();
    controls_.showAnswerButton->hide();
    controls_.answerBox->hide();
    controls_.happyImage->hide();
    initialise(dataFolderPath);
}

QPushButton* MainWindow::addToolbarButton(ControlId id, const char* text, int x) {
    auto* button = new QPushButton(QString::fromUtf8(text), client_);
    button->setObjectName(objectNameOf(id));
    button->setGeometry(x, 2, toolbarButtonWidth, toolbarButtonHeight);
    button->setFocusPolicy(Qt::StrongFocus);
    connect(button, &QPushButton::clicked, this, [this, id]() { command(static_cast<int>(id)); });
    return button;
}

QLabel* MainWindow::addPracticeLabel(ControlId id, const QRect& rect, Qt::Alignment alignment) {
    auto* label = new QLabel(client_);
    label->setObjectName(objectNameOf(id));
    label->setGeometry(rect);
    label->setAlignment(alignment);
    return label;
}

void MainWindow::buildControls() {
    toolbarPanel_ = new QLabel(client_);
    toolbarPanel_->setObjectName(objectNameOf(ControlId::ToolbarPanel));
    toolbarPanel_->setGeometry(0, 0, 638, 30);
    toolbarPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The strip keeps the system's face colour; only the practice area is white.
    QPalette face = toolbarPanel_->palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    toolbarPanel_->setPalette(face);
    toolbarPanel_->setAutoFillBackground(true);

    controls_.window = this;
    controls_.toolbarButtons = {addToolbarButton(ControlId::LearnButton, "&Learn", 2),
                                addToolbarButton(ControlId::DrillButton, "&Drill", 82),
                                addToolbarButton(ControlId::TestButton, "&Test", 162),
                                addToolbarButton(ControlId::ReportButton, "&Report", 280),
                                addToolbarButton(ControlId::ConfigButton, "&Config", 360),
                                addToolbarButton(ControlId::QuitButton, "&Quit", 440),
                                addToolbarButton(ControlId::HelpButton, "&Help", 558)};

    const auto centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    controls_.firstOperandLabel =
        addPracticeLabel(ControlId::FirstOperand, QRect(30, 120, 100, 60), centred);
    controls_.operatorLabel =
        addPracticeLabel(ControlId::Operator, QRect(150, 120, 60, 60), centred);
    controls_.secondOperandLabel =
        addPracticeLabel(ControlId::SecondOperand, QRect(230, 120, 100, 60), centred);
    controls_.equalsLabel = addPracticeLabel(ControlId::Equals, QRect(350, 120, 60, 60), centred);
    controls_.answerLabel =
        addPracticeLabel(ControlId::AnswerLabel, QRect(460, 120, 160, 60), left);
    controls_.answerLabel->setFocusPolicy(Qt::ClickFocus);

    controls_.nextButton = new QPushButton(client_);
    controls_.nextButton->setObjectName(objectNameOf(ControlId::NextButton));
    controls_.nextButton->setGeometry(440, 320, 180, 30);
    controls_.showAnswerButton = new QPushButton(client_);
    controls_.showAnswerButton->setObjectName(objectNameOf(ControlId::ShowAnswerButton));
    controls_.showAnswerButton->setGeometry(440, 360, 180, 30);
    // Their clicks reach the engine through the practice screen (Enter and Space).

    controls_.statusLabel = addPracticeLabel(ControlId::StatusLabel, QRect(20, 345, 180, 20), left);
    controls_.titleLabel = addPracticeLabel(ControlId::TitleLabel, QRect(20, 370, 250, 20), left);

    auto* box = new AnswerBox(client_);
    box->setObjectName(objectNameOf(ControlId::AnswerBox));
    box->setGeometry(460, 120, 160, 60);
    box->setFrame(false);
    box->setAccessibleName(QStringLiteral("Answer"));
    controls_.answerBox = box;

    controls_.happyImage = new QLabel(client_);
    controls_.happyImage->setObjectName(objectNameOf(ControlId::HappyImage));
    controls_.happyImage->setGeometry(60, 260, 70, 60);
    controls_.happyImage->setAlignment(Qt::AlignCenter);
    controls_.happyImage->setPixmap(QPixmap(QStringLiteral(":/icons/happy32.png")));
    controls_.happyImage->setAccessibleName(QStringLiteral("Happy face: well done"));
}

void MainWindow::initialise(const std::filesystem::path& dataFolderPath) {
    setColours();
    setFonts();
    controls_.answerLabel->setFocus();
    addAccelerators();
    centreOnScreen();
    initDataFolder(dataFolderPath, context_.data, context_.settings);
    installHelpFile(context_.data.helpPath, installedHelpFilePath());
    if (!helpFileExists(context_.data)) {
        QMessageBox::critical(nullptr, QStringLiteral("Helpfile not found"),
                              QStringLiteral("Help is unavailable"));
    }
    startPosition_ = pos();
    startPracticeEngine();
    QCoreApplication::postEvent(this, new QEvent(msgGreet));
}

void MainWindow::startPracticeEngine() {
    auto showWrongAnswer = [](const std::string& text, const std::string& caption, int x, int y) {
        showMessage(text, wrongAnswerStyle, caption, 1, x, y, wrongAnswerColour);
    };
    auto showResults = [this](const ResultsSummary& summary) { showResultsWindow(this, summary); };
    screen_ = std::make_unique<QtPracticeScreen>(controls_, showWrongAnswer, showResults, this);
    engine_ = std::make_unique<PracticeEngine>(*screen_, clock_, context_.student,
                                               ScreenPoint{startPosition_.x(), startPosition_.y()},
                                               [this](int id) { command(id); });
    screen_->attach(*engine_);
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

void MainWindow::setFonts() {
    problemFont_ = QFont(font().family(), problemFontPoints, QFont::Bold);
    instructionFont_ = QFont(font().family(), instructionFontPoints, QFont::Bold, true);
    for (QWidget* control : {static_cast<QWidget*>(controls_.firstOperandLabel),
                             static_cast<QWidget*>(controls_.secondOperandLabel),
                             static_cast<QWidget*>(controls_.operatorLabel),
                             static_cast<QWidget*>(controls_.equalsLabel),
                             static_cast<QWidget*>(controls_.answerLabel),
                             static_cast<QWidget*>(controls_.answerBox)}) {
        control->setFont(problemFont_);
    }
    controls_.nextButton->setFont(instructionFont_);
    controls_.showAnswerButton->setFont(instructionFont_);
}

void MainWindow::addAccelerators() {
    namespace cmd = PracticeCommand;
    const std::pair<QKeySequence, int> accelerators[] = {
        {QKeySequence(Qt::Key_Return), cmd::enter},  {QKeySequence(Qt::Key_Enter), cmd::enter},
        {QKeySequence(Qt::Key_Space), cmd::space},   {QKeySequence(Qt::Key_L), cmd::learn},
        {QKeySequence(Qt::Key_D), cmd::drill},       {QKeySequence(Qt::Key_T), cmd::test},
        {QKeySequence(Qt::Key_R), cmd::report},      {QKeySequence(Qt::Key_C), cmd::config},
        {QKeySequence(Qt::Key_Q), cmd::quit},        {QKeySequence(Qt::Key_H), cmd::help},
        {QKeySequence(Qt::Key_Escape), cmd::escape}, {QKeySequence(Qt::Key_F1), cmd::help},
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

void MainWindow::customEvent(QEvent* event) {
    if (event->type() == msgGreet) {
        greet();
    }
}

void MainWindow::greet() {
    engine_->resetPractice();
    GreetingDialog greeting(this, context_.data.studentNames, [this]() { openHelp(""); });
    if (runCentredWindowModal(greeting) != QDialog::Accepted) {
        endingAtOnce_ = true; // no quit sequence: nothing has been opened or written
        close();              // the last window: the program ends
        return;
    }
    const std::string& name = greeting.confirmedName();
    if (!openStudentOrAsk(this, context_.student, context_.data.folder, name)) {
        QCoreApplication::postEvent(this, new QEvent(msgGreet)); // another name
        return;
    }
    setWindowTitle(QStringLiteral("Tallyburrow (ver ") + QString::fromLatin1(appVersionText) +
                   QStringLiteral(") - ") + qText(name));
    activateWindow();
}
