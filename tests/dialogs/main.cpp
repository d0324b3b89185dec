#include "DialogTestSupport.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setPointSize(10);
    QApplication::setFont(font);
    int failures = 0;
    for (const auto& run : widgetTests()) {
        failures += run(argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
