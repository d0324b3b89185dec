#include "app/MainWindow.h"

#include "app/AnswerBox.h"
#include "app/MainControlId.h"
#include "common/Version.h"
#include "records/GreetingDialog.h"
#include "records/StudentFile.h"

#include <QApplication>
#include <QCloseEvent>
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

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

// The icons live in this static library; referencing them keeps the linker from dropping them.
static void initResources() {
    Q_INIT_RESOURCE(app);
}

MainWindow::MainWindow(AppContext& context, const std::filesystem::path& dataFolderPath)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      context_(context) {
    setWindowTitle(QStringLiteral("Tallyburrow"));
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

QPushButton* MainWindow::addToolbarButton(int id, const char* text, int x) {
    auto* button = new QPushButton(QString::fromUtf8(text), this);
    button->setObjectName(QString::number(id));
    button->setGeometry(x, 2, toolbarButtonWidth, toolbarButtonHeight);
    button->setFocusPolicy(Qt::StrongFocus);
    connect(button, &QPushButton::clicked, this, [this, id]() { command(id); });
    return button;
}

QLabel* MainWindow::addPracticeLabel(int id, const QRect& rect, Qt::Alignment alignment) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::number(id));
    label->setGeometry(rect);
    label->setAlignment(alignment);
    return label;
}

void MainWindow::buildControls() {
    using namespace MainControlId;
    toolbarPanel_ = new QLabel(this);
    toolbarPanel_->setObjectName(QString::number(toolbarPanel));
    toolbarPanel_->setGeometry(0, 0, 638, 30);
    toolbarPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The strip keeps the system's face colour; only the practice area is white.
    QPalette face = toolbarPanel_->palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    toolbarPanel_->setPalette(face);
    toolbarPanel_->setAutoFillBackground(true);

    controls_.window = this;
    controls_.toolbarButtons = {addToolbarButton(learnButton, "&Learn", 2),
                                addToolbarButton(drillButton, "&Drill", 82),
                                addToolbarButton(testButton, "&Test", 162),
                                addToolbarButton(reportButton, "&Report", 280),
                                addToolbarButton(configButton, "&Config", 360),
                                addToolbarButton(quitButton, "&Quit", 440),
                                addToolbarButton(helpButton, "&Help", 558)};

    const auto centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    controls_.firstOperandLabel =
        addPracticeLabel(firstOperandLabel, QRect(30, 120, 100, 60), centred);
    controls_.operatorLabel = addPracticeLabel(operatorLabel, QRect(150, 120, 60, 60), centred);
    controls_.secondOperandLabel =
        addPracticeLabel(secondOperandLabel, QRect(230, 120, 100, 60), centred);
    controls_.equalsLabel = addPracticeLabel(equalsLabel, QRect(350, 120, 60, 60), centred);
    controls_.answerLabel = addPracticeLabel(answerLabel, QRect(460, 120, 160, 60), left);
    controls_.answerLabel->setFocusPolicy(Qt::ClickFocus);

    controls_.nextButton = new QPushButton(this);
    controls_.nextButton->setObjectName(QString::number(nextButton));
    controls_.nextButton->setGeometry(440, 320, 180, 30);
    connect(controls_.nextButton, &QPushButton::clicked, this,
            [this]() { command(MainCommand::enter); });
    controls_.showAnswerButton = new QPushButton(this);
    controls_.showAnswerButton->setObjectName(QString::number(showAnswerButton));
    controls_.showAnswerButton->setGeometry(440, 360, 180, 30);
    connect(controls_.showAnswerButton, &QPushButton::clicked, this,
            [this]() { command(MainCommand::space); });

    controls_.statusLabel = addPracticeLabel(statusLabel, QRect(20, 345, 180, 20), left);
    controls_.titleLabel = addPracticeLabel(titleLabel, QRect(20, 370, 250, 20), left);

    auto* box = new AnswerBox(this);
    box->setObjectName(QString::number(answerBox));
    box->setGeometry(460, 120, 160, 60);
    box->setFrame(false);
    box->setAccessibleName(QStringLiteral("Answer"));
    controls_.answerBox = box;

    controls_.happyImage = new QLabel(this);
    controls_.happyImage->setObjectName(QString::number(happyImage));
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
    if (!helpFileExists(context_.data)) {
        QMessageBox::critical(nullptr, QStringLiteral("Helpfile not found"),
                              QStringLiteral("Help is unavailable"));
    }
    startPosition_ = pos();
    QCoreApplication::postEvent(this, new QEvent(msgGreet));
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
    using namespace MainCommand;
    const std::pair<QKeySequence, int> accelerators[] = {
        {QKeySequence(Qt::Key_Return), enter},  {QKeySequence(Qt::Key_Enter), enter},
        {QKeySequence(Qt::Key_Space), space},   {QKeySequence(Qt::Key_L), learn},
        {QKeySequence(Qt::Key_D), drill},       {QKeySequence(Qt::Key_T), test},
        {QKeySequence(Qt::Key_R), report},      {QKeySequence(Qt::Key_C), config},
        {QKeySequence(Qt::Key_Q), quit},        {QKeySequence(Qt::Key_H), help},
        {QKeySequence(Qt::Key_Escape), escape}, {QKeySequence(Qt::Key_F1), help},
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
    clearPracticeArea();
    GreetingDialog greeting(this, context_.data.studentNames, [this]() { openHelp(""); });
    greeting.setWindowModality(Qt::WindowModal);
    if (greeting.exec() != QDialog::Accepted) {
        endingAtOnce_ = true; // no quit sequence: nothing has been opened or written
        close();              // the last window: the program ends
        return;
    }
    const std::string& name = greeting.confirmedName();
    setWindowTitle(QStringLiteral("Tallyburrow (ver ") + QString::fromLatin1(appVersionText) +
                   QStringLiteral(") - ") + qText(name));
    loadStudentFile(context_.student, context_.data.folder, name);
    activateWindow();
}

void MainWindow::clearPracticeArea() {
    for (QLabel* label : {controls_.firstOperandLabel, controls_.operatorLabel,
                          controls_.secondOperandLabel, controls_.equalsLabel,
                          controls_.answerLabel, controls_.statusLabel, controls_.titleLabel}) {
        label->clear();
    }
    controls_.answerBox->clear();
    controls_.nextButton->setText(QString());
    controls_.showAnswerButton->setText(QString());
    controls_.answerBox->hide();
    controls_.nextButton->hide();
    controls_.showAnswerButton->hide();
    controls_.happyImage->hide();
}

void MainWindow::command(int id) {
    switch (id) {
    case MainCommand::quit:
        close();
        break;
    case MainCommand::help:
        openHelp("Tallyburrow help");
        break;
    case MainCommand::escape:
        clearPracticeArea();
        controls_.toolbarButtons[0]->setFocus();
        controls_.toolbarButtons[0]->setDefault(true);
        break;
    default:
        break;
    }
}

void MainWindow::openHelp(const std::string& caption) {
    (void)caption;
    if (!helpFileExists(context_.data)) {
        QMessageBox::information(nullptr, QStringLiteral("Help File"),
                                 QStringLiteral("No help available"));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (endingAtOnce_ || quitSequence()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool MainWindow::quitSequence() {
    saveSettingsIfDirty(context_.data, context_.settings);
    if (context_.student.studentName.empty()) {
        return true;
    }
    if (storedValuesChanged(context_.student)) {
        return saveStudentOrAsk();
    }
    if (context_.student.changeState == ChangeState::Unchanged) {
        return true;
    }
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Quit Program"),
        QStringLiteral("Data has changed... Save it before quiting?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel) {
        return false;
    }
    return answer == QMessageBox::No || saveStudentOrAsk();
}

// Saves the child's file. A save that fails is not passed over in silence: the child's
// results would be lost, so the window stays open unless the user chooses to quit anyway.
bool MainWindow::saveStudentOrAsk() {
    while (!saveStudentFile(context_.student)) {
        const auto answer = QMessageBox::warning(
            this, QStringLiteral("Quit Program"),
            QStringLiteral("The results of %1 could not be saved in\n%2\n\n"
                           "Retry to try again, Discard to quit without saving, "
                           "or Cancel to keep the program open.")
                .arg(qText(context_.student.studentName),
                     QString::fromStdU16String(context_.student.path.u16string())),
            QMessageBox::Retry | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Retry);
        if (answer == QMessageBox::Discard) {
            return true;
        }
        if (answer == QMessageBox::Cancel) {
            return false;
        }
    }
    return true;
}
