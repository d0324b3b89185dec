#include "app/AppContext.h"
#include "app/DataLocation.h"
#include "app/MainWindow.h"

#include <QApplication>

namespace {
constexpr int defaultFontPoints = 10;
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyburrow"));
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
