// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the help window's "GenHelp" icon (a blue book with a yellow question mark) at
// 16 x 16 and 32 x 32 pixels:  tallyburrow-helpicon <output folder>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    // The book: a cover with pages showing at the right edge.
    painter.setPen(QPen(QColor(20, 40, 110), 1.5));
    painter.setBrush(QColor(245, 245, 235));
    painter.drawRoundedRect(QRectF(6, 3, 23, 27), 2, 2);
    painter.setBrush(QColor(40, 90, 200));
    painter.drawRoundedRect(QRectF(3, 2, 22, 27), 2, 2);

    // The question mark: a hook and a dot.
    QPainterPath hook;
    hook.moveTo(9.5, 11);
    hook.cubicTo(9.5, 5, 19.5, 5, 19.5, 10.5);
    hook.cubicTo(19.5, 14, 14.5, 14.5, 14.5, 19);
    painter.setPen(QPen(QColor(255, 215, 0), 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 215, 0));
    painter.drawEllipse(QPointF(14.5, 24.5), 2.2, 2.2);
    painter.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    const bool small = drawIcon(16).save(folder.filePath("GenHelp16.png"));
    const bool large = drawIcon(32).save(folder.filePath("GenHelp32.png"));
    return small && large ? 0 : 1;
}
