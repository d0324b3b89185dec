#include "report/DialogFrame.h"

#include "report/StretchToFit.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

void applyDialogFrame(QDialog& dialog, QSize clientSize) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    dialog.setFixedSize(clientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        dialog.move(available.center() - QPoint(clientSize.width() / 2, clientSize.height() / 2));
    }
}

void placeControl(QWidget& control, const QString& name, int x, int y, int width, int height) {
    control.setObjectName(name);
    control.setGeometry(x, y, width, height);
}

void condenseToFit(QWidget& control, const QString& text, int visibleWidth) {
    const QFont font = control.font();
    const auto widthAt = [&font, &text](int stretch) {
        QFont condensed = font;
        condensed.setStretch(stretch);
        return QFontMetrics(condensed).horizontalAdvance(text);
    };
    const int stretch = stretchToFit(widthAt, visibleWidth);
    if (stretch != fullStretch) {
        QFont condensed = font;
        condensed.setStretch(stretch);
        control.setFont(condensed);
    }
}
