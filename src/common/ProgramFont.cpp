// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ProgramFont.h"

#include "common/TextFit.h"
#include "common/TextSize.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QSettings>

#include <algorithm>

namespace {
constexpr int drawnFontPoints = 10;
// The screen resolution the windows were drawn at.
constexpr double drawnDotsPerInch = 96.0;

bool speaksTranslation = false;
QFont desktopFont;

bool screenAsDrawn() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr || screen->logicalDotsPerInchY() <= drawnDotsPerInch + 0.5;
}

void applyTextPercent(int percent) {
    const double desktopPoints = std::max<double>(drawnFontPoints, desktopFont.pointSizeF());
    const double points = desktopPoints * percent / 100.0;
    QFont font = desktopFont;
    font.setPointSizeF(points);
    setTextScale(points / drawnFontPoints);
    setTextsAsDrawn(!speaksTranslation && points == drawnFontPoints && screenAsDrawn());
    QApplication::setFont(font);
}
} // namespace

void setUpProgramFont(bool translated) {
    speaksTranslation = translated;
    desktopFont = QApplication::font();
    applyTextPercent(chosenTextPercent());
}

int chosenTextPercent() {
    return readTextPercent(QSettings());
}

void changeTextSize(int percent) {
    QSettings settings;
    writeTextPercent(settings, percent);
    applyTextPercent(readTextPercent(settings));
}
