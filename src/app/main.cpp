#include "app/AppContext.h"
#include "app/DataLocation.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>

namespace {

constexpr int defaultFontPoints = 10;
constexpr int iconSizes[] = {16, 22, 32, 48, 64, 128, 256};

// Names the program for the desktop: the version for --version, and the desktop-file name
// by which a Wayland compositor matches the window to its menu entry and icon. None of these
// moves the data folder, which lies under the generic data location.
void nameApplication() {
    QApplication::setApplicationName(QStringLiteral("Tallyburrow"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYBURROW_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quillbyte"));
    QApplication::setOrganizationDomain(QStringLiteral("quillbyte.org"));
    QApplication::setDesktopFileName(QStringLiteral("org.quillbyte.Tallyburrow"));
}

void setApplicationIcon() {
    QIcon icon;
    for (const int size : iconSizes) {
        icon.addFile(QStringLiteral(":/icons/happy%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}

// The usage names the program as it is installed, whatever path started it (and before the
// application exists Qt knows no name at all).
QString usageOf(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
    return text.replace(0, firstLineEnd, QStringLiteral("Usage: tallyburrow [options]"));
}

// Answers --help and --version on standard output (exit 0), and an unknown option or stray
// argument with one line of error and the usage on standard error (exit 1). Returns the exit
// code when the program should end now, or -1 to go on and open the window. Before the
// application exists the arguments still hold Qt's own options (-style, -platform...), so a
// failed parse then is left for the second look, after Qt has taken its options out.
int answerCommandLine(const QStringList& arguments, bool qtOptionsRemoved) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Arithmetic tables practice for children."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const bool parsed = parser.parse(arguments);
    const QStringList stray = parser.positionalArguments();
    if (!parsed || !stray.isEmpty()) {
        if (!qtOptionsRemoved) {
            return -1;
        }
        const QString error = parsed
                                  ? QStringLiteral("Unexpected argument '%1'.").arg(stray.first())
                                  : parser.errorText();
        std::fprintf(stderr, "tallyburrow: %s\n%s", qPrintable(error), qPrintable(usageOf(parser)));
        return 1;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(usageOf(parser)), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("tallyburrow %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return -1;
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    nameApplication();
    // --help and --version are answered before a window system is needed, so they work on a
    // console without a display.
    if (const int exitCode = answerCommandLine(argumentsOf(argc, argv), false); exitCode >= 0) {
        return exitCode;
    }
    QApplication app(argc, argv);
    if (const int exitCode = answerCommandLine(QApplication::arguments(), true); exitCode >= 0) {
        return exitCode;
    }
    setApplicationIcon();
    QFont font = QApplication::font();
    font.setPointSize(defaultFontPoints);
    QApplication::setFont(font);

    AppContext context;
    MainWindow window(context, defaultDataFolder());
    QObject::connect(&window, &MainWindow::ended, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return QApplication::exec();
}
